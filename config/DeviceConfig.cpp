#include "DeviceConfig.h"

#include <cstdio>
#include <cstring>

#include "DeviceConfigLayout.h"

namespace kt {

void CopyText(char* dst, std::size_t size, const char* src) {
  if (size == 0) return;
  std::size_t n = src ? std::strlen(src) : 0;
  if (n > size - 1) n = size - 1;
  if (n > 0) std::memcpy(dst, src, n);
  std::memset(dst + n, 0, size - n);
}

namespace {

// The five zones of every analog and operation channel start alike.
struct ZoneDefault {
  f64 lowerLim;
  u32 lowerTrec;
  f64 upperLim;
  u32 upperTrec;
  u32 color;
};
constexpr ZoneDefault kZoneDefaults[kZoneCount] = {
    {0.0, 0, 20.0, 1, 0x0000FF},  {20.0, 1, 40.0, 1, 0x00FFFF}, {40.0, 1, 60.0, 1, 0x00FF00},
    {60.0, 1, 80.0, 1, 0xFFA500}, {80.0, 1, 0.0, 0, 0xFF0000},
};

constexpr u32 kPenColors[kPenCount] = {0xFF0000, 0x0000FF, 0x00FF00, 0x00FFFF};

constexpr const char* kDefaultTimeServer = "pool.ntp.org";

void InitAnalogEvent(AnalogEventConfig& ev) {
  ev.NUM = 0;
  for (int z = 0; z < kZoneCount; ++z) {
    ZoneEventConfig& zone = ev.ZONE[z];
    zone.LEVEL[0].LIM = kZoneDefaults[z].lowerLim;
    zone.LEVEL[0].TREC = kZoneDefaults[z].lowerTrec;
    zone.LEVEL[1].LIM = kZoneDefaults[z].upperLim;
    zone.LEVEL[1].TREC = kZoneDefaults[z].upperTrec;
    zone.COLOR = kZoneDefaults[z].color;
  }
}

// Name and comment both start as the channel's label, e.g. "AI1".
template <class Channel>
void InitChannelNames(Channel& ch, const char* format, int number) {
  char text[32];
  std::snprintf(text, sizeof text, format, number);
  CopyText(ch.NAME, text);
  CopyText(ch.COMMENT, text);
}

void InitStates(DiStateEventConfig (&zone)[kStateCount]) {
  CopyText(zone[0].DISP, "OFF");
  zone[0].DELAY = 0;
  zone[0].COLOR = 0x808080;
  zone[0].TREC = 1;
  CopyText(zone[1].DISP, "ON");
  zone[1].DELAY = 0;
  zone[1].COLOR = 0x00FF00;
  zone[1].TREC = 1;
}

void InitStates(DoStateDisplayConfig (&zone)[kStateCount]) {
  CopyText(zone[0].DISP, "OFF");
  zone[0].COLOR = 0x808080;
  CopyText(zone[1].DISP, "ON");
  zone[1].COLOR = 0x00FF00;
}

}  // namespace

void InitDeviceConfig(DeviceConfig* config) {
  // Zero first: every field without a default of its own, every pad byte
  // and RESERVED get their value from this step alone.
  std::memset(config, 0, sizeof *config);
  DeviceConfig& c = *config;

  for (int i = 0; i < kPeerCount; ++i) {
    c.C[i].PORT = 502;
    c.C[i].PERIOD = 50;
    c.C[i].TIMEOUT = 1;
    c.C[i].MODE = 0;
    c.C[i].PROTOCOL = 0;
    c.MODBUS.C[i].TYPE = 0;
    c.MODBUS.C[i].NODE = 1;
    c.SLMP.C[i].NETWORK = 0;
    c.SLMP.C[i].STATION = 0xFF;
    c.SLMP.C[i].CPU = 0x3FF;
    c.SLMP.C[i].TYPE = 0;
  }

  for (int i = 0; i < kAiCount; ++i) {
    AiChannelConfig& ai = c.AI[i];
    InitChannelNames(ai, "AI%d", i + 1);
    ai.REG = i < 2 ? 1 : 0;
    ai.CHNO = static_cast<u16>(i < 2 ? i : 0);
    ai.TYPE = 0;
    ai.SCALE.ZERO = 0.0;
    ai.SCALE.SPAN = 100.0;
    ai.SCALE.GAIN = 0.01;
    ai.PLACE = 2;
    CopyText(ai.UNIT, "%");
    InitAnalogEvent(c.ALARM.AI[i]);
    c.MODBUS.AI[i].NODE = 1;
    c.MODBUS.AI[i].TYPE = 4;
    c.MODBUS.AI[i].NO = i;
    c.SLMP.AI[i].NO = static_cast<u32>(i);
    c.SLMP.AI[i].CODE = 0xA8;
    c.SLMP.AI[i].COMMAND = 0x0403;
    c.SLMP.AI[i].SUB = 0;
  }

  for (int i = 0; i < kDiCount; ++i) {
    DiChannelConfig& di = c.DI[i];
    InitChannelNames(di, "DI%d", i + 1);
    di.REG = i < 1 ? 1 : 0;
    di.CHNO = static_cast<u16>(i < 1 ? i : 0);
    di.INVERT = 0;
    InitStates(c.ALARM.DI[i].ZONE);
    c.MODBUS.DI[i].NODE = 1;
    c.MODBUS.DI[i].TYPE = 2;
    c.MODBUS.DI[i].NO = i;
    c.SLMP.DI[i].NO = static_cast<u32>(i);
    c.SLMP.DI[i].CODE = 0x90;
    c.SLMP.DI[i].COMMAND = 0x0403;
    c.SLMP.DI[i].SUB = 0;
  }

  for (int i = 0; i < kOiCount; ++i) {
    OiChannelConfig& oi = c.OI[i];
    InitChannelNames(oi, "OI%d", i + 1);
    oi.PLACE = 2;
    CopyText(oi.UNIT, "%");
    InitAnalogEvent(c.ALARM.OI[i]);
  }

  for (int i = 0; i < kDoCount; ++i) {
    DoChannelConfig& d = c.DO[i];
    InitChannelNames(d, "DO%d", i + 1);
    d.REG = i < 1 ? 1 : 0;
    d.CHNO = static_cast<u16>(i < 1 ? i : 0);
    d.INVERT = 0;
    InitStates(c.ALARM.DO[i].ZONE);
    c.MODBUS.DO[i].NODE = 1;
    c.MODBUS.DO[i].TYPE = 15;
    c.MODBUS.DO[i].NO = i;
    c.SLMP.DO[i].NO = static_cast<u32>(i);
    c.SLMP.DO[i].CODE = 0x90;
    c.SLMP.DO[i].COMMAND = 0x1402;
    c.SLMP.DO[i].SUB = 1;
  }

  c.TREND.ASTART = 0;
  c.TREND.RECENC = 0;
  c.TREND.SPEED = 0;
  c.TREND.NORMAL.SAMPLES = 2000;
  c.TREND.NORMAL.TRANS = 2;
  c.TREND.TRIG.PRE = 100;
  c.TREND.TRIG.PST = 100;
  c.TREND.ADEL = 1;

  for (int p = 0; p < kPenCount; ++p) {
    c.PEN[p].CH_NO = static_cast<u16>(p);
    c.PEN[p].CH_TYPE = 1;
    c.PEN[p].RANGE.UPPER = 100.0;
    c.PEN[p].RANGE.LOWER = 0.0;
    c.PEN[p].COLOR = kPenColors[p];
  }

  c.LOG.LOG.EVE = 1;
  c.LOG.LOG.SYS = 1;
  c.LOG.LOG.COM = 1;

  c.DISP.AUTOSTART.CH = 0;
  c.DISP.AUTOSCREEN.MODE = 0;
  c.DISP.BLIGHT = 4;
  c.DISP.LANGUAGE = 0;
  c.DISP.AUTOSTART.WAKEUP = 0;
  c.DISP.AUTOSTART.TYPE = 1;
  c.DISP.AUTOSCREEN.START = 180;
  c.DISP.AUTOSCREEN.INTERVAL = 180;
  c.DISP.AUTOSCREEN.PAGE.TREND = 3;
  c.DISP.SCREENSAVER = 0;

  c.SNTP.MODE = 1;
  CopyText(c.SNTP.SERVER, kDefaultTimeServer);
  c.SNTP.EXECTIME.HOUR = 0;
  c.SNTP.EXECTIME.MIN = 0;

  c.WEB.MODE = 1;
  c.WEB.PORT = 80;
  CopyText(c.WEB.GUEST_LOGIN, "vintu");
  CopyText(c.WEB.GUEST_PASSWORD, "vintu");
  CopyText(c.WEB.ADMIN.LOGIN, "qorel");
  CopyText(c.WEB.ADMIN.PASSWORD, "qorel");

  c.MODTD.MODE = 1;
  c.MODTD.PORT = 502;
  c.MODTD.LINGER = 180;
  c.SMTP.MODE = 0;
  c.SMTP.PORT = 465;
  c.SMTP.OVERSSL = 1;
  for (int f = 0; f < kMailFormCount; ++f) c.MAIL.F[f].ADDINF.FACTOR = 0;

  c.FTPD.MODE = 0;
  c.FTPD.PORT = 21;
  CopyText(c.FTPD.LOGIN, "qorel");
  CopyText(c.FTPD.PASSWORD, "qorel");
  c.FTPC.MODE = 0;
  c.FTPC.ACC.PASV = 1;
  c.FTPC.ACC.PORT = 21;
}

}  // namespace kt
