#include "WorstCaseConfig.h"

#include <cstring>
#include <string>

namespace kt::test {

namespace {

// Characters to fill texts with: every byte the writer escapes, the other
// control bytes, and characters of two, three and four bytes.
const char* const kPieces[] = {
    "\"",
    "\\",
    "/",
    "\b",
    "\f",
    "\n",
    "\r",
    "\t",
    "\x01",
    "\x1f",
    "\x7f",
    "A",
    "\xc3\xa9",          // é
    "\xe2\x82\xac",      // €
    "\xf0\x9f\x98\x80",  // 😀
    "\x02",
    "\x03",
    "\x04",
    "\x05",
    "\x06",
    "\x07",
    "\x0b",
    "\x0e",
    "\x0f",
    "\x10",
    "\x11",
    "\x12",
    "\x13",
    "\x14",
    "\x15",
    "\x16",
    "\x17",
    "\x18",
    "\x19",
    "\x1a",
    "\x1b",
    "\x1c",
    "\x1d",
    "\x1e",
    "z",
};
constexpr int kPieceCount = sizeof kPieces / sizeof kPieces[0];

int g_seed = 0;

// Exactly N-1 bytes of whole characters, different for every call.
template <std::size_t N>
void Fill(char (&field)[N]) {
  std::string text;
  int k = g_seed++;
  while (text.size() < N - 1) {
    const char* piece = kPieces[k++ % kPieceCount];
    if (text.size() + std::strlen(piece) > N - 1) piece = "x";
    text += piece;
  }
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), N - 1);
}

// Reals with three decimals that read back as the very same double.
f64 Thousandths(long long n) { return static_cast<f64>(n) / 1000.0; }

void FillZone(ZoneEventConfig& z, int i) {
  const int zone = i % kZoneCount;
  Fill(z.NAME);
  for (int l = 0; l < 2; ++l) {
    z.LEVEL[l].LIM = l == 0 ? -999999.875 + i : 999999.125 - i;
    Fill(z.LEVEL[l].MSG);
    // The opposite of the zone's default: zone 1 lacks its lower, zone 5 its upper limit.
    const bool defaultOn = l == 0 ? zone != 0 : zone != kZoneCount - 1;
    z.LEVEL[l].TREC = defaultOn ? 0 : 1;
    z.LEVEL[l].FORM = 0xFFFFFFFFu - static_cast<u32>(i + l);
  }
  z.DELAY = 999 - i;
  z.COLOR = 0xFFFFFFu - static_cast<u32>(i);
  z.ALMDO = 0x80000000u + static_cast<u32>(i);
  z.RSTOI = 0xFFFFFFF0u + static_cast<u32>(i);
  z.TRIG = 1;
}

void FillSlmpPoint(SlmpPointConfig& p, int i) {
  p.NO = 0xFFFFFFFFu - static_cast<u32>(i);
  p.CODE = 0xFFFFFFFEu - static_cast<u32>(i);
  p.COMMAND = 0xFFFFFFFDu - static_cast<u32>(i);
  p.SUB = 0xFFFFFFFCu - static_cast<u32>(i);
}

}  // namespace

void FillWorstCaseConfig(DeviceConfig* config) {
  std::memset(config, 0, sizeof *config);
  g_seed = 0;
  DeviceConfig& c = *config;

  for (int i = 0; i < kPeerCount; ++i) {
    PeerConfig& p = c.C[i];
    p.MODE = 1;
    p.PROTOCOL = 1;
    Fill(p.IP);
    p.PORT = 65535 - i;
    p.PERIOD = 30000 - i;
    p.TIMEOUT = 60 - i;
    p.ALMDO = 0xFFFFFFFFu - static_cast<u32>(i);
    c.MODBUS.C[i].TYPE = 1;
    c.MODBUS.C[i].NODE = static_cast<u8>(255 - i);
    c.SLMP.C[i].NETWORK = static_cast<u8>(0xFF - i);
    c.SLMP.C[i].STATION = static_cast<u8>(0x01 + i);
    c.SLMP.C[i].CPU = static_cast<u16>(0xFFFF - i);
    c.SLMP.C[i].TYPE = 1;
  }
  for (int i = 0; i < kAiCount; ++i) {
    AiChannelConfig& a = c.AI[i];
    Fill(a.NAME);
    Fill(a.COMMENT);
    a.REG = 3;
    a.CHNO = static_cast<u16>(4 - (i % 2 ? 2 : 0) - (i == 3 ? 1 : 0));
    a.TYPE = 2;
    a.SCALE.ZERO = -1000000.0 + i;
    a.SCALE.SPAN = 1000000.0 - i;
    a.SCALE.GAIN = Thousandths(i + 2);
    a.PLACE = static_cast<i16>(i % 2 ? 0 : 3);
    Fill(a.UNIT);
    c.MODBUS.AI[i] = {static_cast<u8>(255 - i), static_cast<u8>(250 + i), {}, 65535 - i};
    FillSlmpPoint(c.SLMP.AI[i], i);
    c.ALARM.AI[i].NUM = static_cast<i16>(5 - i);
    for (int z = 0; z < kZoneCount; ++z) FillZone(c.ALARM.AI[i].ZONE[z], i * kZoneCount + z);
  }
  for (int i = 0; i < kDiCount; ++i) {
    DiChannelConfig& d = c.DI[i];
    Fill(d.NAME);
    Fill(d.COMMENT);
    d.REG = 3;
    d.CHNO = static_cast<u16>(2 - i);
    d.INVERT = 1;
    c.MODBUS.DI[i] = {static_cast<u8>(200 + i), static_cast<u8>(0 + i), {}, 65000 + i};
    FillSlmpPoint(c.SLMP.DI[i], 10 + i);
    for (int s = 0; s < kStateCount; ++s) {
      DiStateEventConfig& st = c.ALARM.DI[i].ZONE[s];
      Fill(st.DISP);
      st.DELAY = 999 - s - i;
      st.ALMDO = 0xFFFFFFFFu - static_cast<u32>(s);
      st.RSTOI = 0xFFFFFFF0u + static_cast<u32>(i);
      st.COLOR = 0xFFFFFFu - static_cast<u32>(s + 2 * i);
      st.TRIG = 1;
      Fill(st.MSG);
      st.TREC = 0;
      st.FORM = 0x12345678u + static_cast<u32>(s);
    }
  }
  for (int i = 0; i < kOiCount; ++i) {
    OiChannelConfig& o = c.OI[i];
    Fill(o.NAME);
    Fill(o.COMMENT);
    o.PLACE = static_cast<i16>(i % 2 ? 0 : 3);
    Fill(o.UNIT);
    o.TYPE = 18;
    OiOperandConfig* arrays[3] = {o.PARAM.X, o.PARAM.K, o.PARAM.A};
    for (int a = 0; a < 3; ++a) {
      for (int k = 0; k < kOperandCount; ++k) {
        arrays[a][k].TYPE = 4;
        arrays[a][k].NO = static_cast<u16>(3 - (k % 3));
        arrays[a][k].CONST = Thousandths(-123456789LL + 1000500LL * a + 10250LL * k + 1000LL * i);
      }
    }
    c.ALARM.OI[i].NUM = static_cast<i16>(i + 1);
    for (int z = 0; z < kZoneCount; ++z) FillZone(c.ALARM.OI[i].ZONE[z], 100 + i * kZoneCount + z);
  }
  for (int i = 0; i < kDoCount; ++i) {
    DoChannelConfig& d = c.DO[i];
    Fill(d.NAME);
    Fill(d.COMMENT);
    d.REG = 3;
    d.CHNO = static_cast<u16>(2 - i);
    d.INVERT = 1;
    c.MODBUS.DO[i] = {static_cast<u8>(100 + i), static_cast<u8>(255 - i), {}, 60000 + i};
    FillSlmpPoint(c.SLMP.DO[i], 20 + i);
    for (int s = 0; s < kStateCount; ++s) {
      Fill(c.ALARM.DO[i].ZONE[s].DISP);
      c.ALARM.DO[i].ZONE[s].COLOR = 0xABCDEFu + static_cast<u32>(s + 2 * i);
    }
  }

  TrendConfig& t = c.TREND;
  t.ASTART = 2;
  t.SPEED = 11;
  t.RECENC = 2;
  t.NORMAL = {1, 50000, 9, 23, 6};
  t.TRIG = {1, 0, 1};
  t.ADEL = 0;
  for (int p = 0; p < kPenCount; ++p) {
    PenConfig& pen = c.PEN[p];
    pen.CH_TYPE = 4;
    pen.CH_NO = static_cast<u16>(3 - p);
    pen.COLOR = 0x123456u * static_cast<u32>(p + 1) & 0xFFFFFF;
    pen.RANGE.UPPER = Thousandths(999999999LL - 1000LL * p);
    pen.RANGE.LOWER = Thousandths(-999999999LL + 1000LL * p);
  }
  for (int i = 0; i < kCommentCount; ++i) {
    Fill(c.CMT[i].MSG);
    c.CMT[i].COLOR = 0xFFFFFFu - static_cast<u32>(i);
  }
  c.LOG.LOG = {0, 0, 0};
  c.LOG.ENCODE = 1;

  DisplayConfig& d = c.DISP;
  d.AUTOSTART.WAKEUP = 7;
  d.AUTOSTART.TYPE = 4;
  d.AUTOSTART.CH = 3;
  d.SCREENSAVER = 10;
  for (int i = 0; i < kAiCount; ++i) d.FLICKER.AI[i] = 0xFFFFFFFFu - static_cast<u32>(i);
  for (int i = 0; i < kDiCount; ++i) d.FLICKER.DI[i] = 0xFFFFFFF0u + static_cast<u32>(i);
  for (int i = 0; i < kOiCount; ++i) d.FLICKER.OI[i] = 0x80000000u + static_cast<u32>(i);
  d.AUTOSCREEN.MODE = 1;
  d.AUTOSCREEN.START = 10;
  d.AUTOSCREEN.INTERVAL = 3;
  u32* pages = &d.AUTOSCREEN.PAGE.TREND;
  for (int k = 0; k < 11; ++k) pages[k] = 0xFFFFFFFFu - static_cast<u32>(k);
  d.LANGUAGE = 1;
  d.BLIGHT = 3;  // the last name, "5", is the default

  c.SNTP.MODE = 0;
  Fill(c.SNTP.SERVER);
  c.SNTP.EXECTIME = {23, 59};

  c.WEB.MODE = 0;
  c.WEB.PORT = 65535;
  Fill(c.WEB.GUEST_LOGIN);
  Fill(c.WEB.GUEST_PASSWORD);
  Fill(c.WEB.ADMIN.LOGIN);
  Fill(c.WEB.ADMIN.PASSWORD);

  c.MODTD = {0, 1, 1800};

  SmtpConfig& s = c.SMTP;
  s.MODE = 1;
  Fill(s.SERVER);
  Fill(s.LOGIN);
  Fill(s.PASSWORD);
  s.PORT = 1;
  s.OVERSSL = 0;
  s.STARTTLS = 1;
  s.ALMDO = 0xFFFFFFFFu;

  for (int i = 0; i < kMailAddressCount; ++i) {
    Fill(c.MAIL.A[i].NAME);
    Fill(c.MAIL.A[i].ADDR);
  }
  for (int i = 0; i < kMailFormCount; ++i) {
    MailFormConfig& f = c.MAIL.F[i];
    Fill(f.SUBJECT);
    Fill(f.BODY);
    f.A = 0xFFu - static_cast<u32>(i);
    f.ADDINF = {1, 0xFu - static_cast<u32>(i), 0x3u, 0xFu, 0x3u - static_cast<u32>(i % 2)};
  }
  c.MAIL.REG.FORM = 0xF;
  c.MAIL.REG.EXECTIME.DAY = 0x7FFFFFFF;
  c.MAIL.REG.EXECTIME.WEEK = 0x80;
  c.MAIL.REG.EXECTIME.HOUR = 0x4000000;
  c.MAIL.REG.EXECTIME.MIN = 0x40;
  c.MAIL.REG.EXECTIME.OFFSET = 9;

  FtpClientConfig& fc = c.FTPC;
  fc.MODE = 1;
  fc.ACC.EXPLICIT = 1;
  Fill(fc.ACC.SERVER);
  fc.ACC.PORT = 65535;
  Fill(fc.ACC.LOGIN);
  Fill(fc.ACC.PASSWORD);
  fc.ACC.PASV = 0;
  Fill(fc.ACC.SUBDIR);
  fc.ACC.ALMDO = 0x3;

  c.FTPD.MODE = 1;
  c.FTPD.PORT = 1;
  Fill(c.FTPD.LOGIN);
  Fill(c.FTPD.PASSWORD);
}

}  // namespace kt::test
