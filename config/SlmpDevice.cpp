#include "SlmpDevice.h"

#include <utility>

#include "ChannelPeer.h"

namespace kt {

namespace {

// Shorthands for the pairs, "32" form first as in the rows.
#define KT_WORD_READ kSlmpCmdRandomRead, kSlmpSubWord32, kSlmpCmdRandomRead, kSlmpSubWord
#define KT_WORD_WRITE kSlmpCmdRandomWrite, kSlmpSubWord32, kSlmpCmdRandomWrite, kSlmpSubWord
#define KT_BIT_WRITE kSlmpCmdRandomWrite, kSlmpSubBit32, kSlmpCmdRandomWrite, kSlmpSubBit
#define KT_END \
  { "", 0, 0, 0, 0, 0 }

}  // namespace

const SlmpDeviceInfo SlmpWordDevicesRead[12] = {
    {"D", 0xA8, KT_WORD_READ},  {"SD", 0xA9, KT_WORD_READ}, {"W", 0xB4, KT_WORD_READ},   {"SW", 0xB5, KT_WORD_READ},
    {"TN", 0xC2, KT_WORD_READ}, {"CN", 0xC5, KT_WORD_READ}, {"STN", 0xC8, KT_WORD_READ}, {"Z", 0xCC, KT_WORD_READ},
    {"ZR", 0xB0, KT_WORD_READ}, {"R", 0xAF, KT_WORD_READ},  {"RD", 0x2C, KT_WORD_READ},  KT_END,
};

// Timer and counter contacts and coils are read as a batch rather than at
// random, and the long ones use different pairs in the two frame forms.
const SlmpDeviceInfo SlmpBitDevicesRead[23] = {
    {"M", 0x90, KT_WORD_READ},
    {"L", 0x92, KT_WORD_READ},
    {"F", 0x93, KT_WORD_READ},
    {"V", 0x94, KT_WORD_READ},
    {"S", 0x98, KT_WORD_READ},
    {"X", 0x9C, KT_WORD_READ},
    {"Y", 0x9D, KT_WORD_READ},
    {"B", 0xA0, KT_WORD_READ},
    {"SM", 0x91, KT_WORD_READ},
    {"SB", 0xA1, KT_WORD_READ},
    {"TC", 0xC0, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdBatchRead, kSlmpSubBit},
    {"TS", 0xC1, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdBatchRead, kSlmpSubBit},
    {"CC", 0xC3, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdBatchRead, kSlmpSubBit},
    {"CS", 0xC4, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdBatchRead, kSlmpSubBit},
    {"STC", 0xC6, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdBatchRead, kSlmpSubBit},
    {"STS", 0xC7, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdBatchRead, kSlmpSubBit},
    {"LTC", 0x50, kSlmpCmdBatchRead, kSlmpSubWord32, kSlmpCmdRandomRead, kSlmpSubWord},
    {"LTS", 0x51, kSlmpCmdBatchRead, kSlmpSubWord32, kSlmpCmdRandomRead, kSlmpSubWord},
    {"LCC", 0x54, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdRandomRead, kSlmpSubWord},
    {"LCS", 0x55, kSlmpCmdBatchRead, kSlmpSubBit32, kSlmpCmdRandomRead, kSlmpSubWord},
    {"LSTC", 0x58, kSlmpCmdBatchRead, kSlmpSubWord32, kSlmpCmdRandomRead, kSlmpSubWord},
    {"LSTS", 0x59, kSlmpCmdBatchRead, kSlmpSubWord32, kSlmpCmdRandomRead, kSlmpSubWord},
    KT_END,
};

const SlmpDeviceInfo SlmpBitDevicesWrite[23] = {
    {"M", 0x90, KT_BIT_WRITE},
    {"L", 0x92, KT_BIT_WRITE},
    {"F", 0x93, KT_BIT_WRITE},
    {"V", 0x94, KT_BIT_WRITE},
    {"S", 0x98, KT_BIT_WRITE},
    {"X", 0x9C, KT_BIT_WRITE},
    {"Y", 0x9D, KT_BIT_WRITE},
    {"B", 0xA0, KT_BIT_WRITE},
    {"SM", 0x91, KT_BIT_WRITE},
    {"SB", 0xA1, KT_BIT_WRITE},
    {"TC", 0xC0, KT_BIT_WRITE},
    {"TS", 0xC1, KT_BIT_WRITE},
    {"CC", 0xC3, KT_BIT_WRITE},
    {"CS", 0xC4, KT_BIT_WRITE},
    {"STC", 0xC6, KT_BIT_WRITE},
    {"STS", 0xC7, KT_BIT_WRITE},
    {"LTC", 0x50, KT_BIT_WRITE},
    {"LTS", 0x51, KT_BIT_WRITE},
    {"LCC", 0x54, KT_BIT_WRITE},
    {"LCS", 0x55, KT_BIT_WRITE},
    {"LSTC", 0x58, KT_BIT_WRITE},
    {"LSTS", 0x59, KT_BIT_WRITE},
    KT_END,
};

const SlmpDeviceInfo SlmpWordDevicesReadEx[16] = {
    {"D", 0xA8, KT_WORD_READ},   {"SD", 0xA9, KT_WORD_READ},   {"W", 0xB4, KT_WORD_READ},   {"SW", 0xB5, KT_WORD_READ},
    {"TN", 0xC2, KT_WORD_READ},  {"CN", 0xC5, KT_WORD_READ},   {"STN", 0xC8, KT_WORD_READ}, {"Z", 0xCC, KT_WORD_READ},
    {"ZR", 0xB0, KT_WORD_READ},  {"R", 0xAF, KT_WORD_READ},    {"RD", 0x2C, KT_WORD_READ},  {"LTN", 0x52, KT_WORD_READ},
    {"LCN", 0x56, KT_WORD_READ}, {"LSTN", 0x5A, KT_WORD_READ}, {"LZ", 0x62, KT_WORD_READ},  KT_END,
};

const SlmpDeviceInfo SlmpWordDevicesWrite[12] = {
    {"D", 0xA8, KT_WORD_WRITE},  {"SD", 0xA9, KT_WORD_WRITE}, {"W", 0xB4, KT_WORD_WRITE},   {"SW", 0xB5, KT_WORD_WRITE},
    {"TN", 0xC2, KT_WORD_WRITE}, {"CN", 0xC5, KT_WORD_WRITE}, {"STN", 0xC8, KT_WORD_WRITE}, {"Z", 0xCC, KT_WORD_WRITE},
    {"ZR", 0xB0, KT_WORD_WRITE}, {"R", 0xAF, KT_WORD_WRITE},  {"RD", 0x2C, KT_WORD_WRITE},  KT_END,
};

#undef KT_WORD_READ
#undef KT_WORD_WRITE
#undef KT_BIT_WRITE
#undef KT_END

std::span<const SlmpDeviceInfo> SlmpDeviceRows(const SlmpDeviceInfo* table) {
  std::size_t n = 0;
  while (table[n].code != 0) ++n;
  return {table, n};
}

int FindSlmpDeviceRow(const SlmpDeviceInfo* table, u32 code) {
  for (int row = 0; table[row].code != 0; ++row)
    if (table[row].code == code) return row;
  return -1;
}

namespace {

enum class Frame { F16, F32 };

bool FindCommand(const SlmpDeviceInfo* table, Frame frame, u32 code, u32& command, u32& sub) {
  const int row = FindSlmpDeviceRow(table, code);
  if (row < 0) {
    command = 0;
    sub = 0;
    return false;
  }
  const SlmpDeviceInfo& d = table[row];
  command = frame == Frame::F16 ? d.command16 : d.command32;
  sub = frame == Frame::F16 ? d.sub16 : d.sub32;
  return true;
}

}  // namespace

bool FindSlmpAiCommand16(u32 code, u32& command, u32& sub) {
  return FindCommand(SlmpWordDevicesRead, Frame::F16, code, command, sub);
}
bool FindSlmpDiCommand16(u32 code, u32& command, u32& sub) {
  return FindCommand(SlmpBitDevicesRead, Frame::F16, code, command, sub);
}
bool FindSlmpDoCommand16(u32 code, u32& command, u32& sub) {
  return FindCommand(SlmpBitDevicesWrite, Frame::F16, code, command, sub);
}
bool FindSlmpAiCommand32(u32 code, u32& command, u32& sub) {
  return FindCommand(SlmpWordDevicesRead, Frame::F32, code, command, sub);
}
bool FindSlmpDiCommand32(u32 code, u32& command, u32& sub) {
  return FindCommand(SlmpBitDevicesRead, Frame::F32, code, command, sub);
}
bool FindSlmpDoCommand32(u32 code, u32& command, u32& sub) {
  return FindCommand(SlmpBitDevicesWrite, Frame::F32, code, command, sub);
}

const SlmpDeviceInfo* SlmpDeviceTableFor(SlmpChannelKind kind) {
  switch (kind) {
    case SlmpChannelKind::Ai: return SlmpWordDevicesRead;
    case SlmpChannelKind::Di: return SlmpBitDevicesRead;
    case SlmpChannelKind::Do: return SlmpBitDevicesWrite;
  }
  return SlmpWordDevicesRead;
}

namespace {

using Lookup = bool (*)(u32, u32&, u32&);

// How many channels a kind has and which lookups serve it.
struct ChannelView {
  int count;
  Lookup lookup16;
  Lookup lookup32;
};

ChannelView ViewOf(SlmpChannelKind kind) {
  switch (kind) {
    case SlmpChannelKind::Ai: return {kAiCount, FindSlmpAiCommand16, FindSlmpAiCommand32};
    case SlmpChannelKind::Di: return {kDiCount, FindSlmpDiCommand16, FindSlmpDiCommand32};
    case SlmpChannelKind::Do: return {kDoCount, FindSlmpDoCommand16, FindSlmpDoCommand32};
  }
  return {0, nullptr, nullptr};
}

// The peer index channel i of `kind` reads through when that peer speaks
// SLMP, else kNoPeer.
int SlmpPeerOfChannel(const DeviceConfig& config, SlmpChannelKind kind, int i) {
  u32 reg = kRegNone;
  u32 chno = 0;
  switch (kind) {
    case SlmpChannelKind::Ai:
      reg = config.AI[i].REG;
      chno = config.AI[i].CHNO;
      break;
    case SlmpChannelKind::Di:
      reg = config.DI[i].REG;
      chno = config.DI[i].CHNO;
      break;
    case SlmpChannelKind::Do:
      reg = config.DO[i].REG;
      chno = config.DO[i].CHNO;
      break;
  }
  const int p = ChannelPeerIndex(reg, chno);
  return p != kNoPeer && config.C[p].PROTOCOL == kProtocolSlmp ? p : kNoPeer;
}

const SlmpPointConfig& PointOf(const DeviceConfig& config, SlmpChannelKind kind, int i) {
  switch (kind) {
    case SlmpChannelKind::Ai: return config.SLMP.AI[i];
    case SlmpChannelKind::Di: return config.SLMP.DI[i];
    case SlmpChannelKind::Do: break;
  }
  return config.SLMP.DO[i];
}

SlmpPointConfig& PointOf(DeviceConfig& config, SlmpChannelKind kind, int i) {
  return const_cast<SlmpPointConfig&>(PointOf(std::as_const(config), kind, i));
}

}  // namespace

void DeriveSlmpCommands(DeviceConfig& config, SlmpChannelKind kind) {
  const ChannelView view = ViewOf(kind);
  for (int i = 0; i < view.count; ++i) {
    const int p = SlmpPeerOfChannel(config, kind, i);
    if (p == kNoPeer) continue;
    SlmpPointConfig& point = PointOf(config, kind, i);
    switch (config.SLMP.C[p].TYPE) {
      case kSlmpFrame16: view.lookup16(point.CODE, point.COMMAND, point.SUB); break;
      case kSlmpFrame32: view.lookup32(point.CODE, point.COMMAND, point.SUB); break;
      default:
        point.COMMAND = 0;
        point.SUB = 0;
        break;
    }
  }
}

int FindUnknownSlmpDevice(const DeviceConfig& config, SlmpChannelKind kind) {
  const ChannelView view = ViewOf(kind);
  const SlmpDeviceInfo* table = SlmpDeviceTableFor(kind);
  for (int i = 0; i < view.count; ++i) {
    if (SlmpPeerOfChannel(config, kind, i) == kNoPeer) continue;
    if (FindSlmpDeviceRow(table, PointOf(config, kind, i).CODE) < 0) return i;
  }
  return -1;
}

}  // namespace kt
