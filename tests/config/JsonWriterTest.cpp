#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "JsonReadConfig.h"
#include "JsonTestUtil.h"
#include "JsonWriter.h"
#include "ValueNames.h"
#include "WorstCaseConfig.h"

using namespace kt;
using namespace kt::test;

namespace {

bool Contains(const std::string& doc, const std::string& part) { return doc.find(part) != std::string::npos; }

}  // namespace

TEST(ValueNameTable, SlicesStartAtTheirBases) {
  struct Slice {
    int base;
    const char* first;
    const char* last;
    int count;
  };
  const Slice slices[] = {
      {kVnChannelKind, "None", "DO", 5},       {kVnLevel, "H", "L", 3},
      {kVnLanguage, "JAPANESE", "ENGLISH", 2}, {kVnBool, "Disable", "Enable", 2},
      {kVnRecEncode, "TRD", "CSV_SJIS", 3},    {kVnOperand, "Const", "AI_AREA", 5},
      {kVnModbusUnit, "FIX", "VAR", 2},        {kVnTrendTrans, "3m", "1mon", 10},
      {kVnDiSource, "None", "DEMO", 4},        {kVnTrendMode, "Samples", "Time", 2},
      {kVnWakeup, "TREND", "LOGCOM", 8},       {kVnBacklight, "1", "5", 5},
      {kVnAutoStart, "Stop", "Trig", 3},       {kVnDoSource, "None", "DEMO", 4},
      {kVnOperation, "None", "Time", 19},      {kVnAiSource, "None", "DEMO", 4},
      {kVnAiType, "Percent", "Uint", 3},       {kVnTrendSpeed, "100ms", "1h", 12},
      {kVnTrigMode, "Level", "Edge", 2},       {kVnSlmpType, "16", "32", 2},
      {kVnProtocol, "MODBUSTCP", "SLMP", 2},   {kVnLogEncode, "UTF8", "SJIS", 2},
  };
  int next = kValueNameFirst;
  for (const Slice& s : slices) {
    SCOPED_TRACE(s.first);
    EXPECT_EQ(next, s.base);  // slices follow one another without a gap
    EXPECT_STREQ(s.first, ValueNameTable[s.base]);
    EXPECT_STREQ(s.last, ValueNameTable[s.base + s.count - 1]);
    next = s.base + s.count;
  }
  EXPECT_EQ(kValueNameLast + 1, next);
  EXPECT_EQ(104, kValueNameCount);
  EXPECT_STREQ("Limit", ValueNameTable[kVnOperation + 17]);
  EXPECT_EQ(nullptr, ValueName(-11));
  EXPECT_EQ(nullptr, ValueName(94));
  // The writer puts names out unescaped: none may need an escape.
  for (int i = kValueNameFirst; i <= kValueNameLast; ++i) {
    EXPECT_STREQ(ValueNameTable[i], JsonEscapeString(ValueNameTable[i]));
  }
}

TEST(JsonWriteConfig, DefaultDocumentMatchesTheReferenceByteForByte) {
  const std::string expected = ReadDataFile("config/default.json");
  ASSERT_EQ(17716u, expected.size());
  auto config = Defaults();
  std::vector<char> buffer(kJsonConfigBufferSize, '\xAA');  // not cleared
  int length = JsonWriteConfig(config.get(), buffer.data());
  ASSERT_EQ(17716, length);
  EXPECT_EQ(expected, std::string(buffer.data(), 17716));
  EXPECT_EQ('\0', buffer[17716]);
  EXPECT_EQ('\xAA', buffer[17717]);
}

TEST(JsonWriteConfig, ValueForms) {
  struct Case {
    const char* name;
    void (*change)(DeviceConfig&);
    const char* expected;
  };
  const Case cases[] = {
      {"empty text", [](DeviceConfig& c) { c.AI[0].NAME[0] = '\0'; }, R"("AI":[{"NAME":"","COMMENT":"AI1")"},
      {"quote, backslash, slash", [](DeviceConfig& c) { CopyText(c.AI[0].NAME, "a\"b\\c/d"); },
       R"("NAME":"a\"b\\c\/d")"},
      {"line breaks, tabs, backspace, form feed", [](DeviceConfig& c) { CopyText(c.AI[0].NAME, "\n\t\r\b\f"); },
       R"("NAME":"\n\t\r\b\f")"},
      {"other control bytes", [](DeviceConfig& c) { CopyText(c.AI[0].NAME, "\x01|\x1f|\x1b"); },
       R"("NAME":"\u0001|\u001f|\u001b")"},
      {"DEL and UTF-8 unchanged", [](DeviceConfig& c) { CopyText(c.AI[0].NAME, "\x7f\xc3\xa9\xf0\x9f\x98\x80"); },
       "\"NAME\":\"\x7f\xc3\xa9\xf0\x9f\x98\x80\""},
      {"text without a zero byte stops at the field's end",
       [](DeviceConfig& c) { std::memset(c.AI[0].UNIT, 'u', sizeof c.AI[0].UNIT); },
       R"("UNIT":"uuuuuuuuuuuuuuuuuuuuuuuuu"},{"NAME":"AI2")"},
      {"mask 0", [](DeviceConfig&) {}, R"("ALMDO":["0x0"])"},
      {"mask of all bits", [](DeviceConfig& c) { c.C[0].ALMDO = 0xFFFFFFFF; }, R"("ALMDO":["0xffffffff"])"},
      {"colour", [](DeviceConfig& c) { c.CMT[0].COLOR = 0x00FF00; }, R"("MSG":"","COLOR":"0xff00")"},
      {"processor number", [](DeviceConfig&) {}, R"("CPU":"0x3ff")"},
      {"small real", [](DeviceConfig&) {}, R"("GAIN":0.010)"},
      {"negative real", [](DeviceConfig& c) { c.AI[0].SCALE.ZERO = -5.5; }, R"("ZERO":-5.500,)"},
      {"real rounds to three decimals", [](DeviceConfig& c) { c.AI[0].SCALE.ZERO = 2.0 / 3.0; }, R"("ZERO":0.667,)"},
      {"huge real", [](DeviceConfig& c) { c.AI[0].SCALE.ZERO = 1e20; }, R"("ZERO":100000000000000000000.000,)"},
      {"NaN", [](DeviceConfig& c) { c.AI[0].SCALE.ZERO = std::nan(""); }, R"("ZERO":0.000,)"},
      {"infinity", [](DeviceConfig& c) { c.AI[0].SCALE.ZERO = -HUGE_VAL; }, R"("ZERO":0.000,)"},
      {"negative integer", [](DeviceConfig& c) { c.C[0].PORT = -1; }, R"("PORT":-1,)"},
      {"u16 as unsigned", [](DeviceConfig& c) { c.AI[0].CHNO = 65535; }, R"("CHNO":65535,)"},
      {"u8 as unsigned", [](DeviceConfig& c) { c.MODBUS.C[0].NODE = 255; }, R"("NODE":255})"},
      {"operation 17", [](DeviceConfig& c) { c.OI[0].TYPE = 17; }, R"("TYPE":"Limit")"},
      {"operation 18", [](DeviceConfig& c) { c.OI[0].TYPE = 18; }, R"("TYPE":"Time")"},
      {"boolean from a later slice", [](DeviceConfig& c) { c.C[0].MODE = 2; }, R"({"MODE":"TRD","PROTOCOL")"},
      {"last name of the table", [](DeviceConfig& c) { c.LOG.ENCODE = 1; }, R"("ENCODE":"SJIS")"},
      {"enumeration past the table", [](DeviceConfig& c) { c.LOG.ENCODE = 2; }, R"("ENCODE":"")"},
      {"enumeration far past the table", [](DeviceConfig& c) { c.C[0].MODE = 0xFFFFFFFF; }, R"({"MODE":"","PROTOCOL")"},
      {"flicker arrays", [](DeviceConfig& c) { c.DISP.FLICKER.DI[1] = 0xA; },
       R"("FLICKER":{"AI":["0x0","0x0","0x0","0x0"],"DI":["0x0","0xa"],"OI":)"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    auto config = Defaults();
    k.change(*config);
    EXPECT_TRUE(Contains(WriteDocument(*config), k.expected)) << k.expected;
  }
}

TEST(JsonWriteConfig, NoCommaBeforeAClosingBracketAndNoWhiteSpace) {
  for (bool worst : {false, true}) {
    auto config = Defaults();
    if (worst) FillWorstCaseConfig(config.get());
    const std::string doc = WriteDocument(*config);
    EXPECT_FALSE(Contains(doc, ",}"));
    EXPECT_FALSE(Contains(doc, ",]"));
    EXPECT_FALSE(Contains(doc, ",,"));
    EXPECT_EQ('}', doc.back());
    if (!worst) {
      EXPECT_EQ(std::string::npos, doc.find_first_of(" \t\r\n"));
      EXPECT_TRUE(doc.ends_with(R"("LOGCOM":["0x0"]}}}})"));
    }
  }
}

TEST(JsonWriteConfig, NeverWritesPastTheGivenCapacity) {
  // Buffers from 1 byte up to the whole worst-case document: the text is cut,
  // always ends in a zero byte, and the guard behind the buffer stays intact.
  auto config = Defaults();
  FillWorstCaseConfig(config.get());
  const std::string full = WriteDocument(*config);
  ASSERT_GT(full.size(), 55000u);
  std::vector<std::size_t> capacities;
  for (std::size_t n = 1; n < 300; ++n) capacities.push_back(n);
  for (std::size_t n = full.size() - 40; n < full.size() + 3; ++n) capacities.push_back(n);
  for (std::size_t n = 1000; n < full.size(); n += 997) capacities.push_back(n);
  for (std::size_t capacity : capacities) {
    SCOPED_TRACE(capacity);
    std::vector<char> buffer(capacity + 64, '\x5A');
    int length = JsonWriteConfig(config.get(), buffer.data(), capacity);
    ASSERT_GE(length, 0);
    ASSERT_LT(static_cast<std::size_t>(length), capacity);
    EXPECT_EQ('\0', buffer[static_cast<std::size_t>(length)]);
    for (std::size_t i = capacity; i < buffer.size(); ++i) ASSERT_EQ('\x5A', buffer[i]);
    if (capacity > full.size()) {
      EXPECT_EQ(full, std::string(buffer.data(), static_cast<std::size_t>(length)));
    }
  }
}

TEST(JsonWriteConfig, FormatsNumbersAlikeUnderACommaDecimalLocale) {
  const std::string expected = ReadDataFile("config/default.json");
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8")) << "run scripts/deps.sh to generate de_DE.UTF-8";
  std::locale::global(std::locale("de_DE.UTF-8"));
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.3f", 100.0);
  EXPECT_STREQ("100,000", probe);  // the locale is really in force
  auto config = Defaults();
  const std::string doc = WriteDocument(*config);
  // Reading under the same locale gives back every real of the worst case.
  auto worst = Defaults();
  FillWorstCaseConfig(worst.get());
  const std::string worstDoc = WriteDocument(*worst);
  auto read = Defaults();
  const u32 flags = JsonReadConfig(read.get(), worstDoc.data(), worstDoc.size(), nullptr);
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_TRUE(Contains(doc, R"("SPAN":100.000,)"));
  EXPECT_EQ(expected, doc);
  EXPECT_EQ(0u, flags);
  EXPECT_EQ(worst->OI[3].PARAM.A[7].CONST, read->OI[3].PARAM.A[7].CONST);
  EXPECT_EQ(worst->PEN[3].RANGE.UPPER, read->PEN[3].RANGE.UPPER);
  EXPECT_EQ(worst->AI[1].SCALE.GAIN, read->AI[1].SCALE.GAIN);
}

TEST(JsonEscapeString, EscapesAndBounds) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"", ""},
      {"plain text", "plain text"},
      {"\"\\/", "\\\"\\\\\\/"},
      {"\b\f\n\r\t", "\\b\\f\\n\\r\\t"},
      {"\x01\x1f", "\\u0001\\u001f"},
      {"\x7f\xc3\xa9\xff", "\x7f\xc3\xa9\xff"},  // bytes from 0x7F up are copied as they are
  };
  for (const Case& k : cases) {
    EXPECT_EQ(k.out, JsonEscapeString(k.in.c_str())) << k.in;
  }
  // The longest text of the record, every byte escaped, still fits whole.
  const std::string body(384, '/');
  EXPECT_EQ(768u, std::strlen(JsonEscapeString(body.c_str())));
  // Longer output is cut before the escape that would not fit; never wraps.
  const std::string controls(300, '\x01');
  const std::string escaped = JsonEscapeString(controls.c_str());
  EXPECT_EQ(170u * 6, escaped.size());
  EXPECT_EQ(0u, escaped.size() % 6);
  const std::string plain(2000, 'p');
  EXPECT_EQ(1023u, std::strlen(JsonEscapeString(plain.c_str())));
}
