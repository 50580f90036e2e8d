// The members of the configuration document, in document order, with the
// field each one carries, its kind and its accepted range. The writer walks it
// to print the document and the reader to look every key up, so the two can
// never disagree on a key, an order or a field. Internal to config/.
//
// A visitor V provides:
//   Object(key, body)        object member; body() visits its members
//   Master(key, body)        object section that the reader skips when absent
//   Array(key, count, body)  array of `count` objects; body(i) visits element i
//   Str(key, char (&)[N])    text
//   Enum(key, u32&, base)    enumeration or boolean (base index in ValueNameTable)
//   Int(key, T&, min, max)   integer
//   Num(key, f64&)           real, -1000000 to 1000000
//   Hex(key, T&, min, max)   hexadecimal string
//   Ahex(key, u32*, count)   array of hexadecimal strings (masks)
// The model tag, which comes first, is not part of the walk.
#pragma once

#include "DeviceConfig.h"
#include "ValueNames.h"

namespace kt::schema {

inline constexpr u32 kU16Max = 65535;
inline constexpr std::int64_t kColorMax = 0xFFFFFF;
inline constexpr std::int64_t kU32Max = 0xFFFFFFFF;

template <class V, class Event>
void VisitAnalogEvent(V& v, Event& ev) {
  v.Int("NUM", ev.NUM, 0, 5);
  v.Array("ZONE", kZoneCount, [&](int z) {
    auto& zone = ev.ZONE[z];
    v.Str("NAME", zone.NAME);
    v.Int("DELAY", zone.DELAY, 0, 999);
    v.Hex("COLOR", zone.COLOR, 0, kColorMax);
    v.Array("LEVEL", 2, [&](int l) {
      auto& level = zone.LEVEL[l];
      v.Num("LIM", level.LIM);
      v.Str("MSG", level.MSG);
      v.Enum("TREC", level.TREC, kVnBool);
      v.Ahex("FORM", &level.FORM, 1);
    });
    v.Ahex("ALMDO", &zone.ALMDO, 1);
    v.Ahex("RSTOI", &zone.RSTOI, 1);
    v.Enum("TRIG", zone.TRIG, kVnBool);
  });
}

template <class V, class Operands>
void VisitOperands(V& v, const char* key, Operands& operands) {
  v.Array(key, kOperandCount, [&](int k) {
    auto& op = operands[k];
    v.Enum("TYPE", op.TYPE, kVnOperand);
    v.Int("NO", op.NO, 0, 3);
    v.Num("CONST", op.CONST);
  });
}

template <class V, class Point>
void VisitModbusPoint(V& v, Point& point) {
  v.Int("NODE", point.NODE, 0, 255);
  v.Int("TYPE", point.TYPE, 0, 255);
  v.Int("NO", point.NO, 0, kU16Max);
}

template <class V, class Point>
void VisitSlmpPoint(V& v, Point& point) {
  v.Hex("NO", point.NO, 0, kU32Max);
  v.Hex("CODE", point.CODE, 0, kU32Max);
  v.Hex("COMMAND", point.COMMAND, 0, kU32Max);
  v.Hex("SUB", point.SUB, 0, kU32Max);
}

// C is DeviceConfig or const DeviceConfig.
template <class V, class C>
void VisitConfigDocument(V& v, C& c) {
  v.Array("C", kPeerCount, [&](int i) {
    auto& p = c.C[i];
    v.Enum("MODE", p.MODE, kVnBool);
    v.Enum("PROTOCOL", p.PROTOCOL, kVnProtocol);
    v.Str("IP", p.IP);
    v.Int("PORT", p.PORT, 1, kU16Max);
    v.Int("PERIOD", p.PERIOD, 50, 30000);
    v.Int("TIMEOUT", p.TIMEOUT, 1, 60);
    v.Ahex("ALMDO", &p.ALMDO, 1);
  });
  v.Array("AI", kAiCount, [&](int i) {
    auto& ch = c.AI[i];
    v.Str("NAME", ch.NAME);
    v.Str("COMMENT", ch.COMMENT);
    v.Enum("REG", ch.REG, kVnAiSource);
    v.Int("CHNO", ch.CHNO, 0, 4);
    v.Enum("TYPE", ch.TYPE, kVnAiType);
    v.Object("SCALE", [&] {
      v.Num("ZERO", ch.SCALE.ZERO);
      v.Num("SPAN", ch.SCALE.SPAN);
      v.Num("GAIN", ch.SCALE.GAIN);
    });
    v.Int("PLACE", ch.PLACE, 0, 3);
    v.Str("UNIT", ch.UNIT);
  });
  v.Array("DI", kDiCount, [&](int i) {
    auto& ch = c.DI[i];
    v.Str("NAME", ch.NAME);
    v.Str("COMMENT", ch.COMMENT);
    v.Enum("REG", ch.REG, kVnDiSource);
    v.Int("CHNO", ch.CHNO, 0, 2);
    v.Enum("INVERT", ch.INVERT, kVnBool);
  });
  v.Array("OI", kOiCount, [&](int i) {
    auto& ch = c.OI[i];
    v.Str("NAME", ch.NAME);
    v.Str("COMMENT", ch.COMMENT);
    v.Int("PLACE", ch.PLACE, 0, 3);
    v.Str("UNIT", ch.UNIT);
    v.Enum("TYPE", ch.TYPE, kVnOperation);
    v.Object("PARAM", [&] {
      VisitOperands(v, "X", ch.PARAM.X);
      VisitOperands(v, "K", ch.PARAM.K);
      VisitOperands(v, "A", ch.PARAM.A);
    });
  });
  v.Array("DO", kDoCount, [&](int i) {
    auto& ch = c.DO[i];
    v.Str("NAME", ch.NAME);
    v.Str("COMMENT", ch.COMMENT);
    v.Enum("REG", ch.REG, kVnDoSource);
    v.Int("CHNO", ch.CHNO, 0, 2);
    v.Enum("INVERT", ch.INVERT, kVnBool);
  });
  v.Object("ALARM", [&] {
    v.Array("AI", kAiCount, [&](int i) { VisitAnalogEvent(v, c.ALARM.AI[i]); });
    v.Array("DI", kDiCount, [&](int i) {
      v.Array("ZONE", kStateCount, [&](int s) {
        auto& st = c.ALARM.DI[i].ZONE[s];
        v.Str("DISP", st.DISP);
        v.Int("DELAY", st.DELAY, 0, 999);
        v.Hex("COLOR", st.COLOR, 0, kColorMax);
        v.Ahex("ALMDO", &st.ALMDO, 1);
        v.Ahex("RSTOI", &st.RSTOI, 1);
        v.Enum("TRIG", st.TRIG, kVnBool);
        v.Str("MSG", st.MSG);
        v.Enum("TREC", st.TREC, kVnBool);
        v.Ahex("FORM", &st.FORM, 1);
      });
    });
    v.Array("OI", kOiCount, [&](int i) { VisitAnalogEvent(v, c.ALARM.OI[i]); });
    v.Array("DO", kDoCount, [&](int i) {
      v.Array("ZONE", kStateCount, [&](int s) {
        auto& st = c.ALARM.DO[i].ZONE[s];
        v.Str("DISP", st.DISP);
        v.Hex("COLOR", st.COLOR, 0, kColorMax);
      });
    });
  });
  v.Object("MODBUS", [&] {
    v.Array("C", kPeerCount, [&](int i) {
      v.Enum("TYPE", c.MODBUS.C[i].TYPE, kVnModbusUnit);
      v.Int("NODE", c.MODBUS.C[i].NODE, 0, 255);
    });
    v.Array("AI", kAiCount, [&](int i) { VisitModbusPoint(v, c.MODBUS.AI[i]); });
    v.Array("DI", kDiCount, [&](int i) { VisitModbusPoint(v, c.MODBUS.DI[i]); });
    v.Array("DO", kDoCount, [&](int i) { VisitModbusPoint(v, c.MODBUS.DO[i]); });
  });
  v.Object("SLMP", [&] {
    v.Array("C", kPeerCount, [&](int i) {
      auto& p = c.SLMP.C[i];
      v.Enum("TYPE", p.TYPE, kVnSlmpType);
      v.Hex("NETWORK", p.NETWORK, 0, 0xFF);
      v.Hex("STATION", p.STATION, 1, 0xFF);
      v.Hex("CPU", p.CPU, 0, 0xFFFF);
    });
    v.Array("AI", kAiCount, [&](int i) { VisitSlmpPoint(v, c.SLMP.AI[i]); });
    v.Array("DI", kDiCount, [&](int i) { VisitSlmpPoint(v, c.SLMP.DI[i]); });
    v.Array("DO", kDoCount, [&](int i) { VisitSlmpPoint(v, c.SLMP.DO[i]); });
  });
  v.Object("TREND", [&] {
    auto& t = c.TREND;
    v.Enum("ASTART", t.ASTART, kVnAutoStart);
    v.Enum("SPEED", t.SPEED, kVnTrendSpeed);
    v.Enum("ADEL", t.ADEL, kVnBool);
    v.Enum("RECENC", t.RECENC, kVnRecEncode);
    v.Object("NORMAL", [&] {
      v.Enum("MODE", t.NORMAL.MODE, kVnTrendMode);
      v.Int("SAMPLES", t.NORMAL.SAMPLES, 1000, 50000);
      v.Enum("TRANS", t.NORMAL.TRANS, kVnTrendTrans);
      v.Int("HOUR", t.NORMAL.HOUR, 0, 23);
      v.Int("WEEK", t.NORMAL.WEEK, 0, 6);
    });
    v.Object("TRIG", [&] {
      v.Enum("MODE", t.TRIG.MODE, kVnTrigMode);
      v.Int("PRE", t.TRIG.PRE, 0, 100);
      v.Int("PST", t.TRIG.PST, 1, 100);
    });
  });
  v.Object("LOG", [&] {
    v.Object("LOG", [&] {
      v.Enum("SYS", c.LOG.LOG.SYS, kVnBool);
      v.Enum("EVE", c.LOG.LOG.EVE, kVnBool);
      v.Enum("COM", c.LOG.LOG.COM, kVnBool);
    });
    v.Enum("ENCODE", c.LOG.ENCODE, kVnLogEncode);
  });
  v.Array("CMT", kCommentCount, [&](int i) {
    v.Str("MSG", c.CMT[i].MSG);
    v.Hex("COLOR", c.CMT[i].COLOR, 0, kColorMax);
  });
  v.Array("PEN", kPenCount, [&](int i) {
    auto& pen = c.PEN[i];
    v.Enum("CH_TYPE", pen.CH_TYPE, kVnChannelKind);
    v.Int("CH_NO", pen.CH_NO, 0, 3);
    v.Hex("COLOR", pen.COLOR, 0, kColorMax);
    v.Object("RANGE", [&] {
      v.Num("UPPER", pen.RANGE.UPPER);
      v.Num("LOWER", pen.RANGE.LOWER);
    });
  });
  v.Master("SNTP", [&] {
    v.Enum("MODE", c.SNTP.MODE, kVnBool);
    v.Str("SERVER", c.SNTP.SERVER);
    v.Object("EXECTIME", [&] {
      v.Int("HOUR", c.SNTP.EXECTIME.HOUR, 0, 23);
      v.Int("MIN", c.SNTP.EXECTIME.MIN, 0, 59);
    });
  });
  v.Master("WEB", [&] {
    v.Enum("MODE", c.WEB.MODE, kVnBool);
    v.Int("PORT", c.WEB.PORT, 1, kU16Max);
    v.Object("ADMIN", [&] {
      v.Str("LOGIN", c.WEB.ADMIN.LOGIN);
      v.Str("PASSWORD", c.WEB.ADMIN.PASSWORD);
    });
  });
  v.Master("MODTD", [&] {
    v.Enum("MODE", c.MODTD.MODE, kVnBool);
    v.Int("PORT", c.MODTD.PORT, 1, kU16Max);
    v.Int("LINGER", c.MODTD.LINGER, 1, 1800);
  });
  v.Master("SMTP", [&] {
    auto& s = c.SMTP;
    v.Enum("MODE", s.MODE, kVnBool);
    v.Str("SERVER", s.SERVER);
    v.Str("LOGIN", s.LOGIN);
    v.Str("PASSWORD", s.PASSWORD);
    v.Int("PORT", s.PORT, 1, kU16Max);
    v.Enum("OVERSSL", s.OVERSSL, kVnBool);
    v.Enum("STARTTLS", s.STARTTLS, kVnBool);
    v.Ahex("ALMDO", &s.ALMDO, 1);
  });
  v.Master("MAIL", [&] {
    v.Array("A", kMailAddressCount, [&](int i) {
      v.Str("NAME", c.MAIL.A[i].NAME);
      v.Str("ADDR", c.MAIL.A[i].ADDR);
    });
    v.Array("F", kMailFormCount, [&](int i) {
      auto& f = c.MAIL.F[i];
      v.Str("BODY", f.BODY);
      v.Str("SUBJECT", f.SUBJECT);
      v.Ahex("A", &f.A, 1);
      v.Object("ADDINF", [&] {
        v.Enum("FACTOR", f.ADDINF.FACTOR, kVnBool);
        v.Ahex("AI", &f.ADDINF.AI, 1);
        v.Ahex("DI", &f.ADDINF.DI, 1);
        v.Ahex("OI", &f.ADDINF.OI, 1);
        v.Ahex("DO", &f.ADDINF.DO, 1);
      });
    });
    v.Object("REG", [&] {
      auto& r = c.MAIL.REG;
      v.Object("EXECTIME", [&] {
        v.Hex("DAY", r.EXECTIME.DAY, 0, 0x7FFFFFFF);
        v.Hex("WEEK", r.EXECTIME.WEEK, 0, 0x80);
        v.Hex("HOUR", r.EXECTIME.HOUR, 0, 0x4000000);
        v.Hex("MIN", r.EXECTIME.MIN, 0, 0x40);
        v.Int("OFFSET", r.EXECTIME.OFFSET, 0, 9);
      });
      v.Ahex("FORM", &r.FORM, 1);
    });
  });
  v.Object("FTPD", [&] {
    v.Enum("MODE", c.FTPD.MODE, kVnBool);
    v.Int("PORT", c.FTPD.PORT, 1, kU16Max);
    v.Str("LOGIN", c.FTPD.LOGIN);
    v.Str("PASSWORD", c.FTPD.PASSWORD);
  });
  v.Master("FTPC", [&] {
    auto& f = c.FTPC;
    v.Enum("MODE", f.MODE, kVnBool);
    v.Object("ACC", [&] {
      v.Enum("EXPLICIT", f.ACC.EXPLICIT, kVnBool);
      v.Str("SERVER", f.ACC.SERVER);
      v.Int("PORT", f.ACC.PORT, 1, kU16Max);
      v.Str("LOGIN", f.ACC.LOGIN);
      v.Str("PASSWORD", f.ACC.PASSWORD);
      v.Enum("PASV", f.ACC.PASV, kVnBool);
      v.Str("SUBDIR", f.ACC.SUBDIR);
      v.Ahex("ALMDO", &f.ACC.ALMDO, 1);
    });
  });
  v.Object("DISP", [&] {
    auto& d = c.DISP;
    v.Object("AUTOSTART", [&] {
      v.Enum("WAKEUP", d.AUTOSTART.WAKEUP, kVnWakeup);
      v.Enum("TYPE", d.AUTOSTART.TYPE, kVnChannelKind);
      v.Int("CH", d.AUTOSTART.CH, 0, 3);
    });
    v.Int("SCREENSAVER", d.SCREENSAVER, 0, 10);
    v.Enum("LANGUAGE", d.LANGUAGE, kVnLanguage);
    v.Enum("BLIGHT", d.BLIGHT, kVnBacklight);
    v.Object("FLICKER", [&] {
      v.Ahex("AI", d.FLICKER.AI, kAiCount);
      v.Ahex("DI", d.FLICKER.DI, kDiCount);
      v.Ahex("OI", d.FLICKER.OI, kOiCount);
    });
    v.Object("AUTOSCREEN", [&] {
      auto& a = d.AUTOSCREEN;
      v.Enum("MODE", a.MODE, kVnBool);
      v.Int("START", a.START, 10, 180);
      v.Int("INTERVAL", a.INTERVAL, 3, 180);
      v.Object("PAGE", [&] {
        v.Ahex("TREND", &a.PAGE.TREND, 1);
        v.Ahex("EVENT", &a.PAGE.EVENT, 1);
        v.Ahex("COMMENT", &a.PAGE.COMMENT, 1);
        v.Ahex("OVERVIEW", &a.PAGE.OVERVIEW, 1);
        v.Ahex("AI", &a.PAGE.AI, 1);
        v.Ahex("DI", &a.PAGE.DI, 1);
        v.Ahex("OI", &a.PAGE.OI, 1);
        v.Ahex("DO", &a.PAGE.DO, 1);
        v.Ahex("LOGEVE", &a.PAGE.LOGEVE, 1);
        v.Ahex("LOGSYS", &a.PAGE.LOGSYS, 1);
        v.Ahex("LOGCOM", &a.PAGE.LOGCOM, 1);
      });
    });
  });
}

}  // namespace kt::schema
