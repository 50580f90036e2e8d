#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ChannelPeer.h"
#include "DeviceConfig.h"
#include "SlmpDevice.h"

using namespace kt;

namespace {

struct Pair {
  u32 command;
  u32 sub;
  bool operator==(const Pair&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Pair& p) {
  return os << std::hex << "(0x" << p.command << ", 0x" << p.sub << ")" << std::dec;
}

using Lookup = bool (*)(u32, u32&, u32&);

// Runs a lookup with out-parameters holding garbage, so a lookup that forgets
// to write them shows.
Pair Look(Lookup lookup, u32 code, bool* found = nullptr) {
  u32 command = 0xDEAD;
  u32 sub = 0xBEEF;
  const bool f = lookup(code, command, sub);
  if (found) *found = f;
  return {command, sub};
}

struct BitRow {
  const char* name;
  u32 code;
  Pair read32;
  Pair read16;
};

// The bit devices as the controllers define them, written out independently
// of the tables under test.
const BitRow kBitRows[] = {
    {"M", 0x90, {0x0403, 0x0002}, {0x0403, 0x0000}},    {"L", 0x92, {0x0403, 0x0002}, {0x0403, 0x0000}},
    {"F", 0x93, {0x0403, 0x0002}, {0x0403, 0x0000}},    {"V", 0x94, {0x0403, 0x0002}, {0x0403, 0x0000}},
    {"S", 0x98, {0x0403, 0x0002}, {0x0403, 0x0000}},    {"X", 0x9C, {0x0403, 0x0002}, {0x0403, 0x0000}},
    {"Y", 0x9D, {0x0403, 0x0002}, {0x0403, 0x0000}},    {"B", 0xA0, {0x0403, 0x0002}, {0x0403, 0x0000}},
    {"SM", 0x91, {0x0403, 0x0002}, {0x0403, 0x0000}},   {"SB", 0xA1, {0x0403, 0x0002}, {0x0403, 0x0000}},
    {"TC", 0xC0, {0x0401, 0x0003}, {0x0401, 0x0001}},   {"TS", 0xC1, {0x0401, 0x0003}, {0x0401, 0x0001}},
    {"CC", 0xC3, {0x0401, 0x0003}, {0x0401, 0x0001}},   {"CS", 0xC4, {0x0401, 0x0003}, {0x0401, 0x0001}},
    {"STC", 0xC6, {0x0401, 0x0003}, {0x0401, 0x0001}},  {"STS", 0xC7, {0x0401, 0x0003}, {0x0401, 0x0001}},
    {"LTC", 0x50, {0x0401, 0x0002}, {0x0403, 0x0000}},  {"LTS", 0x51, {0x0401, 0x0002}, {0x0403, 0x0000}},
    {"LCC", 0x54, {0x0401, 0x0003}, {0x0403, 0x0000}},  {"LCS", 0x55, {0x0401, 0x0003}, {0x0403, 0x0000}},
    {"LSTC", 0x58, {0x0401, 0x0002}, {0x0403, 0x0000}}, {"LSTS", 0x59, {0x0401, 0x0002}, {0x0403, 0x0000}},
};

struct WordRow {
  const char* name;
  u32 code;
};

const WordRow kWordRows[] = {
    {"D", 0xA8},   {"SD", 0xA9}, {"W", 0xB4},  {"SW", 0xB5}, {"TN", 0xC2}, {"CN", 0xC5},
    {"STN", 0xC8}, {"Z", 0xCC},  {"ZR", 0xB0}, {"R", 0xAF},  {"RD", 0x2C},
};

}  // namespace

// Every row of the bit tables, in both directions (code to row, row to name
// and code) and with every lookup that consults them.
TEST(SlmpBitDevices, EveryRowInBothDirectionsAndBothFrameForms) {
  const auto read = SlmpDeviceRows(SlmpBitDevicesRead);
  const auto write = SlmpDeviceRows(SlmpBitDevicesWrite);
  ASSERT_EQ(std::size(kBitRows), read.size());
  ASSERT_EQ(std::size(kBitRows), write.size());

  for (std::size_t row = 0; row < std::size(kBitRows); ++row) {
    const BitRow& e = kBitRows[row];
    SCOPED_TRACE(e.name);
    // row -> name and code, as the pages list them
    EXPECT_STREQ(e.name, read[row].name);
    EXPECT_EQ(e.code, read[row].code);
    EXPECT_STREQ(e.name, write[row].name);
    EXPECT_EQ(e.code, write[row].code);
    // code -> row, as the pages select a stored code
    EXPECT_EQ(static_cast<int>(row), FindSlmpDeviceRow(SlmpBitDevicesRead, e.code));
    EXPECT_EQ(static_cast<int>(row), FindSlmpDeviceRow(SlmpBitDevicesWrite, e.code));
    // code -> command pair
    bool found = false;
    EXPECT_EQ(e.read16, Look(FindSlmpDiCommand16, e.code, &found));
    EXPECT_TRUE(found);
    EXPECT_EQ(e.read32, Look(FindSlmpDiCommand32, e.code, &found));
    EXPECT_TRUE(found);
    EXPECT_EQ((Pair{0x1402, 0x0001}), Look(FindSlmpDoCommand16, e.code, &found));
    EXPECT_TRUE(found);
    EXPECT_EQ((Pair{0x1402, 0x0003}), Look(FindSlmpDoCommand32, e.code, &found));
    EXPECT_TRUE(found);
  }
}

TEST(SlmpWordDevices, EveryRowOfTheReadTables) {
  const auto read = SlmpDeviceRows(SlmpWordDevicesRead);
  ASSERT_EQ(std::size(kWordRows), read.size());
  for (std::size_t row = 0; row < std::size(kWordRows); ++row) {
    const WordRow& e = kWordRows[row];
    SCOPED_TRACE(e.name);
    EXPECT_STREQ(e.name, read[row].name);
    EXPECT_EQ(static_cast<int>(row), FindSlmpDeviceRow(SlmpWordDevicesRead, e.code));
    EXPECT_EQ((Pair{0x0403, 0x0000}), Look(FindSlmpAiCommand16, e.code));
    EXPECT_EQ((Pair{0x0403, 0x0002}), Look(FindSlmpAiCommand32, e.code));
  }
}

TEST(SlmpWordDevices, ExtendedAndWriteTablesFollowTheReadTable) {
  const auto ex = SlmpDeviceRows(SlmpWordDevicesReadEx);
  const auto write = SlmpDeviceRows(SlmpWordDevicesWrite);
  ASSERT_EQ(15u, ex.size());
  ASSERT_EQ(11u, write.size());
  for (std::size_t row = 0; row < std::size(kWordRows); ++row) {
    EXPECT_STREQ(kWordRows[row].name, ex[row].name);
    EXPECT_EQ(kWordRows[row].code, ex[row].code);
    EXPECT_STREQ(kWordRows[row].name, write[row].name);
    EXPECT_EQ(kWordRows[row].code, write[row].code);
    EXPECT_EQ((Pair{0x1402, 0x0002}), (Pair{write[row].command32, write[row].sub32}));
    EXPECT_EQ((Pair{0x1402, 0x0000}), (Pair{write[row].command16, write[row].sub16}));
  }
  const WordRow tail[] = {{"LTN", 0x52}, {"LCN", 0x56}, {"LSTN", 0x5A}, {"LZ", 0x62}};
  for (std::size_t k = 0; k < std::size(tail); ++k) {
    EXPECT_STREQ(tail[k].name, ex[11 + k].name);
    EXPECT_EQ(tail[k].code, ex[11 + k].code);
  }
  for (const auto& d : ex) {
    EXPECT_EQ((Pair{0x0403, 0x0002}), (Pair{d.command32, d.sub32})) << d.name;
    EXPECT_EQ((Pair{0x0403, 0x0000}), (Pair{d.command16, d.sub16})) << d.name;
  }
}

TEST(SlmpDeviceTables, EndWithAnEmptyZeroRow) {
  const SlmpDeviceInfo* ends[] = {
      &SlmpWordDevicesRead[std::size(SlmpWordDevicesRead) - 1],
      &SlmpBitDevicesRead[std::size(SlmpBitDevicesRead) - 1],
      &SlmpBitDevicesWrite[std::size(SlmpBitDevicesWrite) - 1],
      &SlmpWordDevicesReadEx[std::size(SlmpWordDevicesReadEx) - 1],
      &SlmpWordDevicesWrite[std::size(SlmpWordDevicesWrite) - 1],
  };
  for (const SlmpDeviceInfo* e : ends) {
    EXPECT_STREQ("", e->name);
    EXPECT_EQ(0u, e->code | e->command32 | e->sub32 | e->command16 | e->sub16);
  }
}

// A code a table does not hold is reported as not found with (0, 0), never
// as the first row's pair: a page must be able to tell it apart.
TEST(SlmpLookups, CodeNotInTheTableIsNotFound) {
  struct Case {
    const char* what;
    Lookup lookup;
    const SlmpDeviceInfo* table;
    u32 code;
  };
  const Case cases[] = {
      {"zero, AI16", FindSlmpAiCommand16, SlmpWordDevicesRead, 0},
      {"zero, AI32", FindSlmpAiCommand32, SlmpWordDevicesRead, 0},
      {"zero, DI16", FindSlmpDiCommand16, SlmpBitDevicesRead, 0},
      {"zero, DI32", FindSlmpDiCommand32, SlmpBitDevicesRead, 0},
      {"zero, DO16", FindSlmpDoCommand16, SlmpBitDevicesWrite, 0},
      {"zero, DO32", FindSlmpDoCommand32, SlmpBitDevicesWrite, 0},
      {"bit device M for AI", FindSlmpAiCommand16, SlmpWordDevicesRead, 0x90},
      {"bit device LSTS for AI", FindSlmpAiCommand32, SlmpWordDevicesRead, 0x59},
      {"word device D for DI", FindSlmpDiCommand16, SlmpBitDevicesRead, 0xA8},
      {"word device RD for DO", FindSlmpDoCommand32, SlmpBitDevicesWrite, 0x2C},
      {"LTN, only in the extended table", FindSlmpAiCommand16, SlmpWordDevicesRead, 0x52},
      {"code above one byte", FindSlmpDiCommand32, SlmpBitDevicesRead, 0x190},
      {"all ones", FindSlmpDoCommand16, SlmpBitDevicesWrite, 0xFFFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool found = true;
    EXPECT_EQ((Pair{0, 0}), Look(c.lookup, c.code, &found));
    EXPECT_FALSE(found);
    EXPECT_EQ(-1, FindSlmpDeviceRow(c.table, c.code));
  }
}

TEST(SlmpLookups, PagesGetTheTableOfTheirKind) {
  EXPECT_EQ(SlmpWordDevicesRead, SlmpDeviceTableFor(SlmpChannelKind::Ai));
  EXPECT_EQ(SlmpBitDevicesRead, SlmpDeviceTableFor(SlmpChannelKind::Di));
  EXPECT_EQ(SlmpBitDevicesWrite, SlmpDeviceTableFor(SlmpChannelKind::Do));
}

TEST(ChannelPeer, IndexFromChnoIsBounded) {
  EXPECT_EQ(0, PeerIndexOf(0));
  EXPECT_EQ(1, PeerIndexOf(1));
  for (u32 chno : {2u, 3u, 0xFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    EXPECT_EQ(kNoPeer, PeerIndexOf(chno)) << chno;
    EXPECT_EQ(kNoPeer, ChannelPeerIndex(kRegPeer, chno)) << chno;
  }
  EXPECT_EQ(1, ChannelPeerIndex(kRegPeer, 1));
  for (u32 reg : {kRegNone, kRegLocal, kRegDemo, 7u}) EXPECT_EQ(kNoPeer, ChannelPeerIndex(reg, 0));
}

TEST(ChannelPeer, ProtocolOfANumberedPeer) {
  auto c = std::make_unique<DeviceConfig>();
  InitDeviceConfig(c.get());
  c->C[0].PROTOCOL = kProtocolModbusTcp;
  c->C[1].PROTOCOL = kProtocolSlmp;
  EXPECT_TRUE(IsModbusPeer(*c, 0));
  EXPECT_FALSE(IsSlmpPeer(*c, 0));
  EXPECT_TRUE(IsSlmpPeer(*c, 1));
  EXPECT_FALSE(IsModbusPeer(*c, 1));
  // No peer 3: neither protocol, whatever lies behind the peer array.
  EXPECT_FALSE(IsSlmpPeer(*c, 3));
  EXPECT_FALSE(IsModbusPeer(*c, 3));
  EXPECT_FALSE(IsModbusPeer(*c, 2));
}

// ---- save-time derivation ----

namespace {

constexpr u32 kStale = 0x5A5A;  // a pair left over from an earlier save

struct Fixture {
  std::unique_ptr<DeviceConfig> c = std::make_unique<DeviceConfig>();

  Fixture() {
    InitDeviceConfig(c.get());
    c->C[0].PROTOCOL = kProtocolModbusTcp;
    c->C[1].PROTOCOL = kProtocolSlmp;
    c->C[1].MODE = 0;  // a disabled peer still gets its commands
    auto stale = [](SlmpPointConfig* pts, int n) {
      for (int i = 0; i < n; ++i) pts[i].COMMAND = pts[i].SUB = kStale;
    };
    stale(c->SLMP.AI, kAiCount);
    stale(c->SLMP.DI, kDiCount);
    stale(c->SLMP.DO, kDoCount);
  }
};

template <typename Channel>
void Feed(Channel& ch, SlmpPointConfig& pt, u32 reg, u32 chno, u32 code) {
  ch.REG = reg;
  ch.CHNO = static_cast<u16>(chno);
  pt.CODE = code;
}

Pair PairOf(const SlmpPointConfig& p) { return {p.COMMAND, p.SUB}; }

const Pair kKept{kStale, kStale};

}  // namespace

TEST(DeriveSlmpCommands, AnalogChannels) {
  struct Case {
    const char* what;
    u32 reg, chno, code, peerType;
    Pair expected;
  };
  const Case cases[] = {
      {"SLMP peer, 32 form", kRegPeer, 1, 0xA8, kSlmpFrame32, {0x0403, 0x0002}},
      {"SLMP peer, 16 form", kRegPeer, 1, 0xA8, kSlmpFrame16, {0x0403, 0x0000}},
      {"SLMP peer, 16 form, last row", kRegPeer, 1, 0x2C, kSlmpFrame16, {0x0403, 0x0000}},
      {"SLMP peer, unknown frame form", kRegPeer, 1, 0xA8, 2, {0, 0}},
      {"SLMP peer, code not in the table", kRegPeer, 1, 0x90, kSlmpFrame32, {0, 0}},
      {"SLMP peer, code 0", kRegPeer, 1, 0, kSlmpFrame16, {0, 0}},
      {"Modbus peer", kRegPeer, 0, 0xA8, kSlmpFrame32, kKept},
      {"source None", kRegNone, 1, 0xA8, kSlmpFrame32, kKept},
      {"source Ai", kRegLocal, 1, 0xA8, kSlmpFrame32, kKept},
      {"source Demo", kRegDemo, 1, 0xA8, kSlmpFrame32, kKept},
      {"CHNO 2", kRegPeer, 2, 0xA8, kSlmpFrame32, kKept},
      {"CHNO 3", kRegPeer, 3, 0xA8, kSlmpFrame32, kKept},
      {"CHNO 65535", kRegPeer, 0xFFFF, 0xA8, kSlmpFrame32, kKept},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    for (int i = 0; i < kAiCount; ++i) {
      Fixture f;
      f.c->SLMP.C[1].TYPE = k.peerType;
      f.c->SLMP.C[0].TYPE = kSlmpFrame16;
      Feed(f.c->AI[i], f.c->SLMP.AI[i], k.reg, k.chno, k.code);
      DeviceConfig before;
      std::memcpy(&before, f.c.get(), sizeof before);

      DeriveSlmpCommands(*f.c, SlmpChannelKind::Ai);

      EXPECT_EQ(k.expected, PairOf(f.c->SLMP.AI[i])) << "AI" << i + 1;
      // Nothing but that channel's pair changes.
      f.c->SLMP.AI[i].COMMAND = before.SLMP.AI[i].COMMAND;
      f.c->SLMP.AI[i].SUB = before.SLMP.AI[i].SUB;
      EXPECT_EQ(0, std::memcmp(&before, f.c.get(), sizeof before)) << "AI" << i + 1;
    }
  }
}

TEST(DeriveSlmpCommands, DigitalInputAndOutputChannels) {
  struct Case {
    const char* what;
    SlmpChannelKind kind;
    u32 reg, chno, code, peerType;
    Pair expected;
  };
  const Case cases[] = {
      {"DI M, 16", SlmpChannelKind::Di, kRegPeer, 1, 0x90, kSlmpFrame16, {0x0403, 0x0000}},
      {"DI STC, 32", SlmpChannelKind::Di, kRegPeer, 1, 0xC6, kSlmpFrame32, {0x0401, 0x0003}},
      {"DI LTC, 32", SlmpChannelKind::Di, kRegPeer, 1, 0x50, kSlmpFrame32, {0x0401, 0x0002}},
      {"DI LTC, 16", SlmpChannelKind::Di, kRegPeer, 1, 0x50, kSlmpFrame16, {0x0403, 0x0000}},
      {"DI LCS, 32", SlmpChannelKind::Di, kRegPeer, 1, 0x55, kSlmpFrame32, {0x0401, 0x0003}},
      {"DI word code", SlmpChannelKind::Di, kRegPeer, 1, 0xA8, kSlmpFrame16, {0, 0}},
      {"DI other frame form", SlmpChannelKind::Di, kRegPeer, 1, 0x90, 9, {0, 0}},
      {"DI Modbus peer", SlmpChannelKind::Di, kRegPeer, 0, 0x90, kSlmpFrame16, kKept},
      {"DI source Di", SlmpChannelKind::Di, kRegLocal, 1, 0x90, kSlmpFrame16, kKept},
      {"DI CHNO 3", SlmpChannelKind::Di, kRegPeer, 3, 0x90, kSlmpFrame16, kKept},
      {"DO Y, 16", SlmpChannelKind::Do, kRegPeer, 1, 0x9D, kSlmpFrame16, {0x1402, 0x0001}},
      {"DO LTC, 32", SlmpChannelKind::Do, kRegPeer, 1, 0x50, kSlmpFrame32, {0x1402, 0x0003}},
      {"DO word code", SlmpChannelKind::Do, kRegPeer, 1, 0xA8, kSlmpFrame32, {0, 0}},
      {"DO Modbus peer", SlmpChannelKind::Do, kRegPeer, 0, 0x9D, kSlmpFrame16, kKept},
      {"DO destination Demo", SlmpChannelKind::Do, kRegDemo, 1, 0x9D, kSlmpFrame16, kKept},
      {"DO CHNO 3", SlmpChannelKind::Do, kRegPeer, 3, 0x9D, kSlmpFrame16, kKept},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    for (int i = 0; i < 2; ++i) {
      Fixture f;
      f.c->SLMP.C[1].TYPE = k.peerType;
      const bool di = k.kind == SlmpChannelKind::Di;
      SlmpPointConfig& pt = di ? f.c->SLMP.DI[i] : f.c->SLMP.DO[i];
      if (di)
        Feed(f.c->DI[i], pt, k.reg, k.chno, k.code);
      else
        Feed(f.c->DO[i], pt, k.reg, k.chno, k.code);
      DeviceConfig before;
      std::memcpy(&before, f.c.get(), sizeof before);

      DeriveSlmpCommands(*f.c, k.kind);

      EXPECT_EQ(k.expected, PairOf(pt)) << "channel " << i + 1;
      pt.COMMAND = kStale;
      pt.SUB = kStale;
      EXPECT_EQ(0, std::memcmp(&before, f.c.get(), sizeof before)) << "channel " << i + 1;
    }
  }
}

// Each channel takes the frame form of its own peer.
TEST(DeriveSlmpCommands, EachChannelUsesItsOwnPeer) {
  Fixture f;
  f.c->C[0].PROTOCOL = kProtocolSlmp;
  f.c->SLMP.C[0].TYPE = kSlmpFrame16;
  f.c->SLMP.C[1].TYPE = kSlmpFrame32;
  Feed(f.c->DI[0], f.c->SLMP.DI[0], kRegPeer, 0, 0x58);
  Feed(f.c->DI[1], f.c->SLMP.DI[1], kRegPeer, 1, 0x58);
  DeriveSlmpCommands(*f.c, SlmpChannelKind::Di);
  EXPECT_EQ((Pair{0x0403, 0x0000}), PairOf(f.c->SLMP.DI[0]));
  EXPECT_EQ((Pair{0x0401, 0x0002}), PairOf(f.c->SLMP.DI[1]));
}

TEST(FindUnknownSlmpDevice, FirstChannelOnAnSlmpPeerWithACodeOutsideItsTable) {
  Fixture f;
  // AI1 reads through the Modbus peer and AI2 through no peer: their codes
  // do not matter. AI3 has a bit device code on the SLMP peer.
  Feed(f.c->AI[0], f.c->SLMP.AI[0], kRegPeer, 0, 0x90);
  Feed(f.c->AI[1], f.c->SLMP.AI[1], kRegPeer, 3, 0x90);
  Feed(f.c->AI[2], f.c->SLMP.AI[2], kRegPeer, 1, 0x90);
  Feed(f.c->AI[3], f.c->SLMP.AI[3], kRegPeer, 1, 0x12);
  EXPECT_EQ(2, FindUnknownSlmpDevice(*f.c, SlmpChannelKind::Ai));
  f.c->SLMP.AI[2].CODE = 0xCC;
  EXPECT_EQ(3, FindUnknownSlmpDevice(*f.c, SlmpChannelKind::Ai));
  f.c->SLMP.AI[3].CODE = 0xB0;
  EXPECT_EQ(-1, FindUnknownSlmpDevice(*f.c, SlmpChannelKind::Ai));

  Feed(f.c->DI[0], f.c->SLMP.DI[0], kRegPeer, 1, 0x59);
  Feed(f.c->DI[1], f.c->SLMP.DI[1], kRegPeer, 1, 0xA8);
  EXPECT_EQ(1, FindUnknownSlmpDevice(*f.c, SlmpChannelKind::Di));
  f.c->DI[1].REG = kRegDemo;
  EXPECT_EQ(-1, FindUnknownSlmpDevice(*f.c, SlmpChannelKind::Di));

  // Code 0 is never a device, also on the default record's channels.
  Feed(f.c->DO[0], f.c->SLMP.DO[0], kRegPeer, 1, 0);
  EXPECT_EQ(0, FindUnknownSlmpDevice(*f.c, SlmpChannelKind::Do));
}
