#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "DeviceConfig.h"

using namespace kt;

namespace {

std::unique_ptr<DeviceConfig> Defaulted(unsigned char garbage) {
  auto c = std::make_unique<DeviceConfig>();
  std::memset(c.get(), garbage, sizeof *c);
  InitDeviceConfig(c.get());
  return c;
}

bool AllZero(const void* p, std::size_t n) {
  const auto* b = static_cast<const unsigned char*>(p);
  for (std::size_t i = 0; i < n; ++i)
    if (b[i] != 0) return false;
  return true;
}

}  // namespace

TEST(InitDeviceConfig, SameBytesWhateverTheMemoryHeld) {
  auto a = Defaulted(0xA5);
  auto b = Defaulted(0x5A);
  auto z = Defaulted(0x00);
  EXPECT_EQ(0, std::memcmp(a.get(), b.get(), sizeof(DeviceConfig)));
  EXPECT_EQ(0, std::memcmp(a.get(), z.get(), sizeof(DeviceConfig)));
  EXPECT_TRUE(AllZero(a->RESERVED, sizeof a->RESERVED));
  // Text fields are zero after their terminator, not garbage.
  EXPECT_TRUE(AllZero(a->AI[0].NAME + 3, sizeof a->AI[0].NAME - 3));
  EXPECT_TRUE(
      AllZero(a->SNTP.SERVER + std::strlen(a->SNTP.SERVER), sizeof a->SNTP.SERVER - std::strlen(a->SNTP.SERVER)));
}

TEST(InitDeviceConfig, ChannelsNamesAndSources) {
  auto c = Defaulted(0xFF);
  const char* ai[] = {"AI1", "AI2", "AI3", "AI4"};
  for (int i = 0; i < kAiCount; ++i) {
    EXPECT_STREQ(ai[i], c->AI[i].NAME);
    EXPECT_STREQ(ai[i], c->AI[i].COMMENT);
  }
  EXPECT_STREQ("DI2", c->DI[1].COMMENT);
  EXPECT_STREQ("OI4", c->OI[3].NAME);
  EXPECT_STREQ("DO2", c->DO[1].COMMENT);

  // AI1 and AI2 read the device's inputs 0 and 1; the others no source.
  EXPECT_EQ(1u, c->AI[0].REG);
  EXPECT_EQ(0, c->AI[0].CHNO);
  EXPECT_EQ(1u, c->AI[1].REG);
  EXPECT_EQ(1, c->AI[1].CHNO);
  EXPECT_EQ(0u, c->AI[2].REG);
  EXPECT_EQ(0, c->AI[2].CHNO);
  EXPECT_EQ(0u, c->AI[3].REG);
  EXPECT_EQ(0, c->AI[3].CHNO);
  EXPECT_EQ(1u, c->DI[0].REG);
  EXPECT_EQ(0u, c->DI[1].REG);
  EXPECT_EQ(0, c->DI[1].CHNO);
  EXPECT_EQ(1u, c->DO[0].REG);
  EXPECT_EQ(0u, c->DO[1].REG);
  EXPECT_EQ(0.01, c->AI[3].SCALE.GAIN);
  EXPECT_EQ(100.0, c->AI[3].SCALE.SPAN);
  EXPECT_STREQ("%", c->OI[2].UNIT);
  EXPECT_EQ(2, c->OI[2].PLACE);
  EXPECT_EQ(0u, c->OI[0].TYPE);
}

TEST(InitDeviceConfig, ZonesHaveLimitsButNoneInUse) {
  auto c = Defaulted(0xFF);
  for (const AnalogEventConfig* ev : {&c->ALARM.AI[2], &c->ALARM.OI[3]}) {
    EXPECT_EQ(0, ev->NUM);
    // Zone 1 has only an upper limit, zone 5 only a lower one.
    EXPECT_EQ(0.0, ev->ZONE[0].LEVEL[0].LIM);
    EXPECT_EQ(0u, ev->ZONE[0].LEVEL[0].TREC);
    EXPECT_EQ(20.0, ev->ZONE[0].LEVEL[1].LIM);
    EXPECT_EQ(1u, ev->ZONE[0].LEVEL[1].TREC);
    EXPECT_EQ(80.0, ev->ZONE[4].LEVEL[0].LIM);
    EXPECT_EQ(1u, ev->ZONE[4].LEVEL[0].TREC);
    EXPECT_EQ(0.0, ev->ZONE[4].LEVEL[1].LIM);
    EXPECT_EQ(0u, ev->ZONE[4].LEVEL[1].TREC);
    EXPECT_EQ(40.0, ev->ZONE[1].LEVEL[1].LIM);
    EXPECT_EQ(60.0, ev->ZONE[3].LEVEL[0].LIM);
    EXPECT_EQ(0xFFA500u, ev->ZONE[3].COLOR);
    EXPECT_EQ(0x0000FFu, ev->ZONE[0].COLOR);
    EXPECT_STREQ("", ev->ZONE[2].NAME);
  }
  EXPECT_STREQ("OFF", c->ALARM.DI[1].ZONE[0].DISP);
  EXPECT_EQ(0x808080u, c->ALARM.DI[1].ZONE[0].COLOR);
  EXPECT_EQ(1u, c->ALARM.DI[1].ZONE[0].TREC);
  EXPECT_STREQ("ON", c->ALARM.DO[1].ZONE[1].DISP);
  EXPECT_EQ(0x00FF00u, c->ALARM.DO[1].ZONE[1].COLOR);
}

TEST(InitDeviceConfig, PeersAndPoints) {
  auto c = Defaulted(0xFF);
  for (int i = 0; i < kPeerCount; ++i) {
    EXPECT_EQ(502, c->C[i].PORT);
    EXPECT_EQ(50, c->C[i].PERIOD);
    EXPECT_EQ(1, c->C[i].TIMEOUT);
    EXPECT_STREQ("", c->C[i].IP);
    EXPECT_EQ(1, c->MODBUS.C[i].NODE);
    EXPECT_EQ(0, c->SLMP.C[i].NETWORK);
    EXPECT_EQ(0xFF, c->SLMP.C[i].STATION);
    EXPECT_EQ(0x3FF, c->SLMP.C[i].CPU);
    EXPECT_EQ(0u, c->SLMP.C[i].TYPE);
  }
  for (int i = 0; i < kAiCount; ++i) {
    EXPECT_EQ(4, c->MODBUS.AI[i].TYPE);
    EXPECT_EQ(i, c->MODBUS.AI[i].NO);
    EXPECT_EQ(static_cast<u32>(i), c->SLMP.AI[i].NO);
    EXPECT_EQ(0xA8u, c->SLMP.AI[i].CODE);
    EXPECT_EQ(0x0403u, c->SLMP.AI[i].COMMAND);
    EXPECT_EQ(0u, c->SLMP.AI[i].SUB);
  }
  EXPECT_EQ(2, c->MODBUS.DI[1].TYPE);
  EXPECT_EQ(1, c->MODBUS.DI[1].NO);
  EXPECT_EQ(0x90u, c->SLMP.DI[1].CODE);
  EXPECT_EQ(0x0403u, c->SLMP.DI[1].COMMAND);
  EXPECT_EQ(15, c->MODBUS.DO[1].TYPE);
  EXPECT_EQ(1u, c->SLMP.DO[1].NO);
  EXPECT_EQ(0x1402u, c->SLMP.DO[1].COMMAND);
  EXPECT_EQ(1u, c->SLMP.DO[1].SUB);
}

TEST(InitDeviceConfig, RecordingDisplayAndServices) {
  auto c = Defaulted(0xFF);
  EXPECT_EQ(0u, c->TREND.ASTART);
  EXPECT_EQ(0u, c->TREND.SPEED);
  EXPECT_EQ(2000, c->TREND.NORMAL.SAMPLES);
  EXPECT_EQ(2u, c->TREND.NORMAL.TRANS);
  EXPECT_EQ(100, c->TREND.TRIG.PRE);
  EXPECT_EQ(100, c->TREND.TRIG.PST);
  EXPECT_EQ(1u, c->TREND.ADEL);

  const u32 pens[] = {0xFF0000, 0x0000FF, 0x00FF00, 0x00FFFF};
  for (int p = 0; p < kPenCount; ++p) {
    EXPECT_EQ(1u, c->PEN[p].CH_TYPE);
    EXPECT_EQ(p, c->PEN[p].CH_NO);
    EXPECT_EQ(pens[p], c->PEN[p].COLOR);
    EXPECT_EQ(100.0, c->PEN[p].RANGE.UPPER);
    EXPECT_EQ(0.0, c->PEN[p].RANGE.LOWER);
  }
  EXPECT_EQ(1u, c->LOG.LOG.EVE);
  EXPECT_EQ(1u, c->LOG.LOG.SYS);
  EXPECT_EQ(1u, c->LOG.LOG.COM);
  EXPECT_EQ(0u, c->LOG.ENCODE);

  EXPECT_EQ(0u, c->DISP.LANGUAGE);
  EXPECT_EQ(4u, c->DISP.BLIGHT);
  EXPECT_EQ(1u, c->DISP.AUTOSTART.TYPE);
  EXPECT_EQ(180, c->DISP.AUTOSCREEN.START);
  EXPECT_EQ(180, c->DISP.AUTOSCREEN.INTERVAL);
  EXPECT_EQ(3u, c->DISP.AUTOSCREEN.PAGE.TREND);

  EXPECT_EQ(1u, c->SNTP.MODE);
  EXPECT_STREQ("pool.ntp.org", c->SNTP.SERVER);
  EXPECT_EQ(1u, c->WEB.MODE);
  EXPECT_EQ(80, c->WEB.PORT);
  EXPECT_STREQ("vintu", c->WEB.GUEST_LOGIN);
  EXPECT_STREQ("vintu", c->WEB.GUEST_PASSWORD);
  EXPECT_STREQ("qorel", c->WEB.ADMIN.LOGIN);
  EXPECT_STREQ("qorel", c->WEB.ADMIN.PASSWORD);
  EXPECT_EQ(1u, c->MODTD.MODE);
  EXPECT_EQ(180, c->MODTD.LINGER);
  EXPECT_EQ(465, c->SMTP.PORT);
  EXPECT_EQ(1u, c->SMTP.OVERSSL);
  EXPECT_EQ(0u, c->SMTP.STARTTLS);
  EXPECT_EQ(21, c->FTPD.PORT);
  EXPECT_STREQ("qorel", c->FTPD.LOGIN);
  EXPECT_EQ(0u, c->FTPC.MODE);
  EXPECT_EQ(1u, c->FTPC.ACC.PASV);
  EXPECT_EQ(21, c->FTPC.ACC.PORT);
}

TEST(CopyText, CutsAtTheFieldAndZeroFillsTheRest) {
  char field[6];
  std::memset(field, 'x', sizeof field);
  CopyText(field, "ab");
  EXPECT_EQ(0, std::memcmp(field, "ab\0\0\0\0", 6));
  CopyText(field, "abcdefgh");
  EXPECT_EQ(0, std::memcmp(field, "abcde\0", 6));
  CopyText(field, nullptr);
  EXPECT_TRUE(AllZero(field, sizeof field));
}

TEST(SwapRedBlue, OneSwapBothWays) {
  static_assert(SwapRedBlue(0x123456u) == 0x563412u);
  static_assert(SwapRedBlue(SwapRedBlue(0x123456u)) == 0x123456u);
}
