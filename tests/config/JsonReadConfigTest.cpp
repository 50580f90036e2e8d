#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "JsonReadConfig.h"
#include "JsonTestUtil.h"
#include "WorstCaseConfig.h"

using namespace kt;
using namespace kt::test;

namespace {

// The reference default document with the value at `path` ("C.0.PORT",
// elements by index) replaced by the JSON text `value`, or removed when
// `value` is empty.
std::string Modified(const std::string& path, const std::string& value) {
  JsonPtr root = Parse(ReadDataFile("config/default.json"));
  json_t* node = root.get();
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1)
    parts.push_back(path.substr(start, dot - start));
  parts.push_back(path.substr(start));
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    const std::string& p = parts[i];
    node = std::isdigit(static_cast<unsigned char>(p[0])) ? json_array_get(node, std::stoul(p))
                                                          : json_object_get(node, p.c_str());
    if (!node) ADD_FAILURE() << "no " << p << " in " << path;
    if (!node) return "";
  }
  const std::string& last = parts.back();
  if (value.empty()) {
    json_object_del(node, last.c_str());
  } else if (std::isdigit(static_cast<unsigned char>(last[0]))) {
    json_array_set_new(node, std::stoul(last), Parse(value).release());
  } else {
    json_t* v = Parse(value).release();
    if (!v) ADD_FAILURE() << "bad JSON " << value;
    json_object_set_new(node, last.c_str(), v);
  }
  return Dump(root.get());
}

struct ReadResult {
  u32 flags;
  std::string trace;
};

ReadResult Read(DeviceConfig& config, const std::string& text) {
  TraceCapture trace;
  u32 flags = JsonReadConfig(&config, text.data(), text.size(), nullptr);
  return {flags, trace.text()};
}

}  // namespace

TEST(JsonReadConfig, RoundTripOfDefaultsAndOfAWorstCaseRecord) {
  for (bool worst : {false, true}) {
    SCOPED_TRACE(worst ? "worst case" : "defaults");
    auto original = Defaults();
    if (worst) FillWorstCaseConfig(original.get());
    const std::string doc = WriteDocument(*original);
    auto read = Defaults();
    ReadResult r = Read(*read, doc);
    EXPECT_EQ(0u, r.flags);
    EXPECT_EQ("", r.trace);
    // The document does not carry the guest log-in: it keeps its default.
    auto defaults = Defaults();
    EXPECT_EQ(0, std::memcmp(read->WEB.GUEST_LOGIN, defaults->WEB.GUEST_LOGIN, sizeof read->WEB.GUEST_LOGIN));
    EXPECT_EQ(0, std::memcmp(read->WEB.GUEST_PASSWORD, defaults->WEB.GUEST_PASSWORD, sizeof read->WEB.GUEST_PASSWORD));
    std::memcpy(read->WEB.GUEST_LOGIN, original->WEB.GUEST_LOGIN, sizeof read->WEB.GUEST_LOGIN);
    std::memcpy(read->WEB.GUEST_PASSWORD, original->WEB.GUEST_PASSWORD, sizeof read->WEB.GUEST_PASSWORD);
    EXPECT_EQ(0, std::memcmp(original.get(), read.get(), sizeof(DeviceConfig)));
    if (worst) {
      // Nothing was left at a default by mistake: the worst case differs
      // from the defaults in every part the document carries.
      EXPECT_NE(0, std::memcmp(original->MAIL.F[3].BODY, defaults->MAIL.F[3].BODY, 385));
      EXPECT_EQ(doc, WriteDocument(*read));
    }
  }
}

TEST(JsonReadConfig, EveryRangedKeyAcceptsItsBoundsAndRefusesOneBeyond) {
  enum Kind { Int, Hex, Num };
  struct Row {
    const char* path;
    std::function<double(const DeviceConfig&)> get;
    std::function<void(DeviceConfig&, double)> set;
    long long min;
    long long max;
    Kind kind;
  };
#define ROW(path, field, min, max, kind)                                                               \
  Row {                                                                                                \
    path, [](const DeviceConfig& c) { return static_cast<double>(c.field); },                          \
        [](DeviceConfig& c, double v) { c.field = static_cast<decltype(c.field)>(v); }, min, max, kind \
  }
  const Row rows[] = {
      ROW("C.1.PORT", C[1].PORT, 1, 65535, Int),
      ROW("C.1.PERIOD", C[1].PERIOD, 50, 30000, Int),
      ROW("C.1.TIMEOUT", C[1].TIMEOUT, 1, 60, Int),
      ROW("AI.3.CHNO", AI[3].CHNO, 0, 4, Int),
      ROW("AI.3.SCALE.ZERO", AI[3].SCALE.ZERO, -1000000, 1000000, Num),
      ROW("AI.3.SCALE.SPAN", AI[3].SCALE.SPAN, -1000000, 1000000, Num),
      ROW("AI.3.SCALE.GAIN", AI[3].SCALE.GAIN, -1000000, 1000000, Num),
      ROW("AI.3.PLACE", AI[3].PLACE, 0, 3, Int),
      ROW("DI.1.CHNO", DI[1].CHNO, 0, 2, Int),
      ROW("OI.3.PLACE", OI[3].PLACE, 0, 3, Int),
      ROW("OI.3.PARAM.X.7.NO", OI[3].PARAM.X[7].NO, 0, 3, Int),
      ROW("OI.3.PARAM.K.7.CONST", OI[3].PARAM.K[7].CONST, -1000000, 1000000, Num),
      ROW("OI.3.PARAM.A.7.NO", OI[3].PARAM.A[7].NO, 0, 3, Int),
      ROW("OI.3.PARAM.A.7.CONST", OI[3].PARAM.A[7].CONST, -1000000, 1000000, Num),
      ROW("DO.1.CHNO", DO[1].CHNO, 0, 2, Int),
      ROW("ALARM.AI.3.NUM", ALARM.AI[3].NUM, 0, 5, Int),
      ROW("ALARM.AI.3.ZONE.4.DELAY", ALARM.AI[3].ZONE[4].DELAY, 0, 999, Int),
      ROW("ALARM.AI.3.ZONE.4.COLOR", ALARM.AI[3].ZONE[4].COLOR, 0, 0xFFFFFF, Hex),
      ROW("ALARM.AI.3.ZONE.4.LEVEL.1.LIM", ALARM.AI[3].ZONE[4].LEVEL[1].LIM, -1000000, 1000000, Num),
      ROW("ALARM.DI.1.ZONE.1.DELAY", ALARM.DI[1].ZONE[1].DELAY, 0, 999, Int),
      ROW("ALARM.DI.1.ZONE.1.COLOR", ALARM.DI[1].ZONE[1].COLOR, 0, 0xFFFFFF, Hex),
      ROW("ALARM.OI.3.NUM", ALARM.OI[3].NUM, 0, 5, Int),
      ROW("ALARM.OI.3.ZONE.4.DELAY", ALARM.OI[3].ZONE[4].DELAY, 0, 999, Int),
      ROW("ALARM.OI.3.ZONE.4.COLOR", ALARM.OI[3].ZONE[4].COLOR, 0, 0xFFFFFF, Hex),
      ROW("ALARM.OI.3.ZONE.0.LEVEL.0.LIM", ALARM.OI[3].ZONE[0].LEVEL[0].LIM, -1000000, 1000000, Num),
      ROW("ALARM.DO.1.ZONE.1.COLOR", ALARM.DO[1].ZONE[1].COLOR, 0, 0xFFFFFF, Hex),
      ROW("MODBUS.C.1.NODE", MODBUS.C[1].NODE, 0, 255, Int),
      ROW("MODBUS.AI.3.NODE", MODBUS.AI[3].NODE, 0, 255, Int),
      ROW("MODBUS.AI.3.TYPE", MODBUS.AI[3].TYPE, 0, 255, Int),
      ROW("MODBUS.AI.3.NO", MODBUS.AI[3].NO, 0, 65535, Int),
      ROW("MODBUS.DI.1.NODE", MODBUS.DI[1].NODE, 0, 255, Int),
      ROW("MODBUS.DI.1.TYPE", MODBUS.DI[1].TYPE, 0, 255, Int),
      ROW("MODBUS.DI.1.NO", MODBUS.DI[1].NO, 0, 65535, Int),
      ROW("MODBUS.DO.1.NODE", MODBUS.DO[1].NODE, 0, 255, Int),
      ROW("MODBUS.DO.1.TYPE", MODBUS.DO[1].TYPE, 0, 255, Int),
      ROW("MODBUS.DO.1.NO", MODBUS.DO[1].NO, 0, 65535, Int),
      ROW("SLMP.C.1.NETWORK", SLMP.C[1].NETWORK, 0, 0xFF, Hex),
      ROW("SLMP.C.1.STATION", SLMP.C[1].STATION, 1, 0xFF, Hex),
      ROW("SLMP.C.1.CPU", SLMP.C[1].CPU, 0, 0xFFFF, Hex),
      ROW("SLMP.AI.3.NO", SLMP.AI[3].NO, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.AI.3.CODE", SLMP.AI[3].CODE, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.AI.3.COMMAND", SLMP.AI[3].COMMAND, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.AI.3.SUB", SLMP.AI[3].SUB, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.DI.1.NO", SLMP.DI[1].NO, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.DI.1.SUB", SLMP.DI[1].SUB, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.DO.1.CODE", SLMP.DO[1].CODE, 0, 0xFFFFFFFF, Hex),
      ROW("SLMP.DO.1.COMMAND", SLMP.DO[1].COMMAND, 0, 0xFFFFFFFF, Hex),
      ROW("TREND.NORMAL.SAMPLES", TREND.NORMAL.SAMPLES, 1000, 50000, Int),
      ROW("TREND.NORMAL.HOUR", TREND.NORMAL.HOUR, 0, 23, Int),
      ROW("TREND.NORMAL.WEEK", TREND.NORMAL.WEEK, 0, 6, Int),
      ROW("TREND.TRIG.PRE", TREND.TRIG.PRE, 0, 100, Int),
      ROW("TREND.TRIG.PST", TREND.TRIG.PST, 1, 100, Int),
      ROW("CMT.1.COLOR", CMT[1].COLOR, 0, 0xFFFFFF, Hex),
      ROW("PEN.3.CH_NO", PEN[3].CH_NO, 0, 3, Int),
      ROW("PEN.3.COLOR", PEN[3].COLOR, 0, 0xFFFFFF, Hex),
      ROW("PEN.3.RANGE.UPPER", PEN[3].RANGE.UPPER, -1000000, 1000000, Num),
      ROW("PEN.3.RANGE.LOWER", PEN[3].RANGE.LOWER, -1000000, 1000000, Num),
      ROW("SNTP.EXECTIME.HOUR", SNTP.EXECTIME.HOUR, 0, 23, Int),
      ROW("SNTP.EXECTIME.MIN", SNTP.EXECTIME.MIN, 0, 59, Int),
      ROW("WEB.PORT", WEB.PORT, 1, 65535, Int),
      ROW("MODTD.PORT", MODTD.PORT, 1, 65535, Int),
      ROW("MODTD.LINGER", MODTD.LINGER, 1, 1800, Int),
      ROW("SMTP.PORT", SMTP.PORT, 1, 65535, Int),
      ROW("MAIL.REG.EXECTIME.DAY", MAIL.REG.EXECTIME.DAY, 0, 0x7FFFFFFF, Hex),
      ROW("MAIL.REG.EXECTIME.WEEK", MAIL.REG.EXECTIME.WEEK, 0, 0x80, Hex),
      ROW("MAIL.REG.EXECTIME.HOUR", MAIL.REG.EXECTIME.HOUR, 0, 0x4000000, Hex),
      ROW("MAIL.REG.EXECTIME.MIN", MAIL.REG.EXECTIME.MIN, 0, 0x40, Hex),
      ROW("MAIL.REG.EXECTIME.OFFSET", MAIL.REG.EXECTIME.OFFSET, 0, 9, Int),
      ROW("FTPD.PORT", FTPD.PORT, 1, 65535, Int),
      ROW("FTPC.ACC.PORT", FTPC.ACC.PORT, 1, 65535, Int),
      ROW("DISP.AUTOSTART.CH", DISP.AUTOSTART.CH, 0, 3, Int),
      ROW("DISP.SCREENSAVER", DISP.SCREENSAVER, 0, 10, Int),
      ROW("DISP.AUTOSCREEN.START", DISP.AUTOSCREEN.START, 10, 180, Int),
      ROW("DISP.AUTOSCREEN.INTERVAL", DISP.AUTOSCREEN.INTERVAL, 3, 180, Int),
  };
#undef ROW
  auto text = [](Kind kind, long long v) -> std::string {
    switch (kind) {
      case Int: return std::to_string(v);
      case Num: return std::to_string(v) + ".0";
      case Hex: {
        char hex[32];
        std::snprintf(hex, sizeof hex, "\"%s0x%llx\"", v < 0 ? "-" : "", v < 0 ? -v : v);
        return hex;
      }
    }
    return "";
  };
  const char* op[] = {"getINT", "getHEX", "getNUM"};
  for (const Row& row : rows) {
    const std::string path = row.path;
    const std::string key = path.substr(path.rfind('.') + 1);
    const double sentinel = static_cast<double>((row.min + row.max) / 2);
    for (long long v : {row.min, row.max, row.min - 1, row.max + 1}) {
      SCOPED_TRACE(path + " = " + text(row.kind, v));
      const bool inRange = v >= row.min && v <= row.max;
      auto config = Defaults();
      row.set(*config, sentinel);
      ReadResult r = Read(*config, Modified(path, text(row.kind, v)));
      if (inRange) {
        EXPECT_EQ(0u, r.flags);
        EXPECT_EQ("", r.trace);
        EXPECT_EQ(static_cast<double>(v), row.get(*config));
      } else {
        EXPECT_EQ(JSON_READ_OUT_OF_RANGE, r.flags);
        EXPECT_EQ(std::string(op[row.kind]) + " out of range: " + key + "\r\n", r.trace);
        EXPECT_EQ(sentinel, row.get(*config));
      }
    }
  }
}

TEST(JsonReadConfig, ValueTypesNamesTextsAndMasks) {
  struct Case {
    const char* path;
    const char* value;
    u32 flags;
    const char* trace;
    std::function<bool(const DeviceConfig&)> check;
  };
  const std::string sixty(60, 'n');
  const std::string sixtyText = "\"" + sixty + "\"";
  // 47 ASCII bytes and a euro sign: the sign would need bytes 48 to 50.
  const std::string cutEuro = "\"" + std::string(47, 'a') + "\xe2\x82\xac" + "\"";
  const Case cases[] = {
      {"C.0.PORT", "80.0", 1, "getINT UNKNOWN_TAG: PORT\r\n", [](auto& c) { return c.C[0].PORT == 502; }},
      {"C.0.PORT", "\"80\"", 1, "getINT UNKNOWN_TAG: PORT\r\n", [](auto& c) { return c.C[0].PORT == 502; }},
      {"C.0.PORT", "4294967376", 2, "getINT out of range: PORT\r\n",  // 2^32 + 80 is not 80
       [](auto& c) { return c.C[0].PORT == 502; }},
      {"C.0.PORT", "-1", 2, "getINT out of range: PORT\r\n", [](auto& c) { return c.C[0].PORT == 502; }},
      {"C.0.PORT", "", 1, "getINT UNKNOWN_TAG: PORT\r\n", [](auto& c) { return c.C[0].PORT == 502; }},
      {"AI.0.SCALE.SPAN", "1000000.5", 2, "getNUM out of range: SPAN\r\n",
       [](auto& c) { return c.AI[0].SCALE.SPAN == 100.0; }},
      {"AI.0.SCALE.SPAN", "100", 0, "", [](auto& c) { return c.AI[0].SCALE.SPAN == 100.0; }},
      {"AI.0.SCALE.SPAN", "-0.25", 0, "", [](auto& c) { return c.AI[0].SCALE.SPAN == -0.25; }},
      {"AI.0.SCALE.SPAN", "4294967297", 2, "getNUM out of range: SPAN\r\n",  // 2^32 + 1 is not 1
       [](auto& c) { return c.AI[0].SCALE.SPAN == 100.0; }},
      {"AI.0.SCALE.SPAN", "null", 1, "getNUM UNKNOWN_TAG: SPAN\r\n",
       [](auto& c) { return c.AI[0].SCALE.SPAN == 100.0; }},
      {"C.0.MODE", "\"Enable\"", 0, "", [](auto& c) { return c.C[0].MODE == 1; }},
      {"C.0.MODE", "\"enable\"", 2, "getENUM out of range: MODE\r\n", [](auto& c) { return c.C[0].MODE == 0; }},
      {"C.0.MODE", "true", 1, "getENUM UNKNOWN_TAG: MODE\r\n", [](auto& c) { return c.C[0].MODE == 0; }},
      {"C.0.MODE", "\"TRD\"", 0, "", [](auto& c) { return c.C[0].MODE == 2; }},    // a later slice's name
      {"C.0.MODE", "\"None\"", 0, "", [](auto& c) { return c.C[0].MODE == 22; }},  // its first later entry
      {"LOG.ENCODE", "\"SJIS\"", 0, "", [](auto& c) { return c.LOG.ENCODE == 1; }},
      {"LOG.ENCODE", "\"Disable\"", 2, "getENUM out of range: ENCODE\r\n", [](auto& c) { return c.LOG.ENCODE == 0; }},
      {"LOG.ENCODE", "\"Nothing\"", 2, "getENUM out of range: ENCODE\r\n", [](auto& c) { return c.LOG.ENCODE == 0; }},
      {"DISP.LANGUAGE", "\"ENGLISH\"", 0, "", [](auto& c) { return c.DISP.LANGUAGE == 1; }},
      {"DISP.LANGUAGE", "\"H\"", 2, "getENUM out of range: LANGUAGE\r\n",  // before the base
       [](auto& c) { return c.DISP.LANGUAGE == 0; }},
      {"PEN.0.CH_TYPE", "\"DO\"", 0, "", [](auto& c) { return c.PEN[0].CH_TYPE == 4; }},
      {"OI.0.TYPE", "\"Limit\"", 0, "", [](auto& c) { return c.OI[0].TYPE == 17; }},
      {"AI.0.NAME", sixtyText.c_str(), 0, "",
       [&](auto& c) { return std::string(c.AI[0].NAME) == sixty.substr(0, 48) && c.AI[0].NAME[48] == 0; }},
      {"AI.0.NAME", cutEuro.c_str(), 0, "", [](auto& c) { return std::string(c.AI[0].NAME) == std::string(47, 'a'); }},
      {"AI.0.NAME", "\"\\u00e9t\\u00e9\"", 0, "",
       [](auto& c) { return std::string(c.AI[0].NAME) == "\xc3\xa9t\xc3\xa9"; }},
      {"AI.0.NAME", "5", 1, "getSTR UNKNOWN_TAG: NAME\r\n", [](auto& c) { return std::string(c.AI[0].NAME) == "AI1"; }},
      {"ALARM.AI.0.ZONE.0.COLOR", "\"0xFF0000\"", 0, "",
       [](auto& c) { return c.ALARM.AI[0].ZONE[0].COLOR == 0xFF0000; }},
      {"ALARM.AI.0.ZONE.0.COLOR", "\"0x1000000\"", 2, "getHEX out of range: COLOR\r\n",
       [](auto& c) { return c.ALARM.AI[0].ZONE[0].COLOR == 0xFF; }},
      {"ALARM.AI.0.ZONE.0.COLOR", "\"-1\"", 2, "getHEX out of range: COLOR\r\n",
       [](auto& c) { return c.ALARM.AI[0].ZONE[0].COLOR == 0xFF; }},
      {"ALARM.AI.0.ZONE.0.COLOR", "\"zz\"", 0, "", [](auto& c) { return c.ALARM.AI[0].ZONE[0].COLOR == 0; }},
      {"ALARM.AI.0.ZONE.0.COLOR", "255", 1, "getHEX UNKNOWN_TAG: COLOR\r\n",
       [](auto& c) { return c.ALARM.AI[0].ZONE[0].COLOR == 0xFF; }},
      {"C.0.ALMDO", "[\"0x3\",\"0x1\"]", 0, "", [](auto& c) { return c.C[0].ALMDO == 3; }},
      {"C.0.ALMDO", "[]", 1, "getAHEX UNKNOWN_ARRAY: 0\r\n", [](auto& c) { return c.C[0].ALMDO == 0; }},
      {"C.0.ALMDO", "[3]", 1, "getAHEX UNKNOWN_ARRAY: 0\r\n", [](auto& c) { return c.C[0].ALMDO == 0; }},
      {"C.0.ALMDO", "[\"-1\"]", 0, "", [](auto& c) { return c.C[0].ALMDO == 0xFFFFFFFF; }},
      {"C.0.ALMDO", "", 1, "JSON_ARRAY_OPEN: Unknown - ALMDO\r\ngetAHEX UNKNOWN_ARRAY: 0\r\n",
       [](auto& c) { return c.C[0].ALMDO == 0; }},
      {"DISP.FLICKER.DI", "[\"0x1\"]", 1, "getAHEX UNKNOWN_ARRAY: 1\r\n",
       [](auto& c) { return c.DISP.FLICKER.DI[0] == 1 && c.DISP.FLICKER.DI[1] == 0; }},
      {"DISP.FLICKER.OI", "[\"0x1\",\"0x2\",\"0x3\",\"0x4\",\"0x5\"]", 0, "",
       [](auto& c) { return c.DISP.FLICKER.OI[3] == 4 && c.DISP.FLICKER.AI[0] == 0; }},
      {"MAIL.REG.EXECTIME.WEEK", "\"0x80\"", 0, "", [](auto& c) { return c.MAIL.REG.EXECTIME.WEEK == 0x80; }},
      {"MAIL.REG.EXECTIME.WEEK", "\"0x81\"", 2, "getHEX out of range: WEEK\r\n",
       [](auto& c) { return c.MAIL.REG.EXECTIME.WEEK == 0; }},
      {"SLMP.C.0.STATION", "\"0\"", 2, "getHEX out of range: STATION\r\n",
       [](auto& c) { return c.SLMP.C[0].STATION == 0xFF; }},
      {"SLMP.C.0.STATION", "\"FF\"", 0, "", [](auto& c) { return c.SLMP.C[0].STATION == 255; }},
      {"SLMP.C.0.CPU", "\" +0x1a\"", 0, "", [](auto& c) { return c.SLMP.C[0].CPU == 0x1A; }},
      {"AI.0.SCALE", "[]", 1, "getNUM UNKNOWN_TAG: ZERO\r\ngetNUM UNKNOWN_TAG: SPAN\r\ngetNUM UNKNOWN_TAG: GAIN\r\n",
       [](auto& c) { return c.AI[0].SCALE.GAIN == 0.01; }},
      {"ALARM.DO.1", "", 1,
       "JSON_ARRAY_OBJ_OPEN: Unknown\r\nJSON_ARRAY_OPEN: Unknown - ZONE\r\n"
       "JSON_ARRAY_OBJ_OPEN: Unknown\r\ngetSTR UNKNOWN_TAG: DISP\r\ngetHEX UNKNOWN_TAG: COLOR\r\n"
       "JSON_ARRAY_OBJ_OPEN: Unknown\r\ngetSTR UNKNOWN_TAG: DISP\r\ngetHEX UNKNOWN_TAG: COLOR\r\n",
       [](auto& c) { return std::string(c.ALARM.DO[1].ZONE[1].DISP) == "ON"; }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.path) + " = " + k.value);
    std::string doc;
    if (std::string(k.path) == "ALARM.DO.1") {
      JsonPtr root = Parse(ReadDataFile("config/default.json"));
      json_array_remove(json_object_get(json_object_get(root.get(), "ALARM"), "DO"), 1);
      doc = Dump(root.get());
    } else {
      doc = Modified(k.path, k.value);
    }
    auto config = Defaults();
    ReadResult r = Read(*config, doc);
    EXPECT_EQ(k.flags, r.flags);
    EXPECT_EQ(k.trace, r.trace);
    EXPECT_TRUE(k.check(*config));
  }
}

TEST(JsonReadConfig, NotJsonOrAnotherModelLeavesTheRecordUntouched) {
  const std::string full = ReadDataFile("config/default.json");
  const std::string parseError = "PARSE_ERROR: JSON_OPEN\r\n";
  const std::string tagMissing = "getSTR UNKNOWN_TAG: CONFIG_TAG\r\n";
  auto withTag = [&](const std::string& tag) { return "{\"CONFIG_TAG\":" + tag + full.substr(full.find(',')); };
  struct Case {
    const char* name;
    std::string text;
    u32 flags;
    std::string trace;
  };
  const Case cases[] = {
      {"empty", "", 4, parseError},
      {"cut inside the first object", full.substr(0, full.size() / 2), 4, parseError},
      {"unclosed", "{", 4, parseError},
      {"trailing garbage", full + "x", 4, parseError},
      {"second document", full + "{}", 4, parseError},
      {"a bare number", "5", 4, parseError},
      {"invalid UTF-8", "{\"CONFIG_TAG\":\"KT2057\xff\"}", 4, parseError},
      {"empty object", "{}", 3, tagMissing},
      {"top-level array", "[]", 3, tagMissing},
      {"tag not a string", withTag("5"), 3, tagMissing},
      {"first five characters only", withTag("\"KT205\""), 2, ""},
      {"lower case", withTag("\"kt2057\""), 2, ""},
      {"another model", withTag("\"KT2058\""), 2, ""},
      {"model not at the start", withTag("\"XKT2057\""), 2, ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    auto config = Defaults();
    FillWorstCaseConfig(config.get());
    auto before = std::make_unique<DeviceConfig>(*config);
    char errorText[8];
    std::memset(errorText, 'x', sizeof errorText);
    TraceCapture trace;
    u32 flags = JsonReadConfig(config.get(), k.text.data(), k.text.size(), errorText);
    EXPECT_EQ(k.flags, flags);
    EXPECT_EQ(k.trace, trace.text());
    EXPECT_EQ(0, std::memcmp(before.get(), config.get(), sizeof(DeviceConfig)));
    EXPECT_EQ('\0', errorText[0]);
    EXPECT_EQ('x', errorText[1]);
  }
  // The text need not end in a zero byte, and a null text is no document.
  TraceCapture trace;
  auto config = Defaults();
  std::vector<char> unterminated(full.begin(), full.end());
  EXPECT_EQ(0u, JsonReadConfig(config.get(), unterminated.data(), unterminated.size(), nullptr));
  EXPECT_EQ(JSON_READ_PARSE_ERROR, JsonReadConfig(config.get(), nullptr, 0, nullptr));
}

TEST(JsonReadConfig, TraceSequencesOfTheReferenceCases) {
  // Each folder holds a document with the flags and the exact trace lines
  // it must give (written by tests/data/make_config_documents.py).
  const std::filesystem::path dir = std::filesystem::path(KT_TEST_DATA_DIR) / "config_read";
  int cases = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    const std::string doc = ReadDataFile("config_read/" + name + "/document.json");
    const u32 flags = static_cast<u32>(std::stoul(ReadDataFile("config_read/" + name + "/flags.txt")));
    const std::string expected = CrLf(ReadDataFile("config_read/" + name + "/trace.txt"));
    auto config = Defaults();
    ReadResult r = Read(*config, doc);
    EXPECT_EQ(flags, r.flags);
    EXPECT_EQ(expected, r.trace);
    ++cases;
  }
  EXPECT_GE(cases, 8);
}

TEST(JsonReadConfig, TagOnlyDocumentKeepsEveryDefault) {
  auto config = Defaults();
  const std::string doc = R"({"CONFIG_TAG":"KT2057"})";
  ReadResult r = Read(*config, doc);
  EXPECT_EQ(JSON_READ_UNKNOWN_TAG, r.flags);
  EXPECT_EQ(0, std::memcmp(Defaults().get(), config.get(), sizeof(DeviceConfig)));
  // The six master sections add no line at all.
  for (const char* key : {"SNTP", "WEB", "MODTD", "SMTP", "MAIL", "FTPC", "SERVER", "LINGER", "BODY", "SUBDIR"})
    EXPECT_EQ(std::string::npos, r.trace.find(key)) << key;
  EXPECT_NE(std::string::npos, r.trace.find("JSON_OBJ_OPEN: Unknown - FTPD\r\n"));
}
