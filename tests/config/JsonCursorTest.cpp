#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "JsonCursor.h"
#include "JsonTestUtil.h"

using namespace kt;
using namespace kt::test;

TEST(JsonParseHex, FollowsTheRuntimeConversionRules) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  struct Case {
    const char* text;
    std::int64_t value;
  };
  const Case cases[] = {
      {"0", 0},
      {"ff", 255},
      {"FF", 255},
      {"0xFF0000", 0xFF0000},
      {"0X1a", 26},
      {" \t\n0x10", 16},
      {"+0x10", 16},
      {"-1", -1},
      {"-0x10", -16},
      {"zz", 0},
      {"", 0},
      {"0x", 0},
      {"0xg", 0},
      {"12zz", 0x12},
      {"1 2", 1},
      {"- 1", 0},
      {"7fffffffffffffff", kMax},
      {"8000000000000000", kMax},
      {"fffffffffffffffffff", kMax},
      {"-8000000000000000", kMin},
      {"-8000000000000001", kMin},
      {"-fffffffffffffffffff", kMin},
      {"100000000", 0x100000000},
  };
  for (const Case& k : cases) EXPECT_EQ(k.value, JsonParseHex(k.text)) << '"' << k.text << '"';
}

TEST(JsonCursor, NestingPastTheLastSlotIsTracedAndUnwindsSafely) {
  // 40 nested objects {"k":{"k":...}}.
  std::string doc;
  for (int i = 0; i < 40; ++i) doc += "{\"k\":";
  doc += "1";
  for (int i = 0; i < 40; ++i) doc += "}";
  TraceCapture trace;
  json_t* root = JsonOpenDocument(doc.data(), doc.size());
  ASSERT_NE(nullptr, root);
  for (int depth = 1; depth <= 31; ++depth) ASSERT_TRUE(JSON_OBJ_OPEN("k")) << depth;
  EXPECT_EQ("", trace.text());
  EXPECT_FALSE(JSON_OBJ_OPEN("k"));  // depth 32
  EXPECT_FALSE(JSON_ARRAY_OPEN("k"));
  EXPECT_FALSE(JSON_ARRAY_OBJ_OPEN(0));
  EXPECT_FALSE(JSON_OBJ_OPEN_MASTER("k"));
  EXPECT_EQ(
      "NEST OVER: JSON_OBJ_OPEN - k\r\nNEST OVER: JSON_ARRAY_OPEN - k\r\n"
      "NEST OVER: JSON_ARRAY_OBJ_OPEN\r\nNEST OVER: JSON_OBJ_OPEN_MASTER - k\r\n",
      trace.text());
  EXPECT_EQ(35, g_jsonDepth);
  for (int i = 0; i < 4; ++i) JSON_CLOSE();
  EXPECT_EQ(31, g_jsonDepth);
  EXPECT_NE(nullptr, g_jsonCurrent);  // back in the 31st object
  u32 flags = 0;
  i32 value = 0;
  getINT("k", value, 0, 10, flags);
  EXPECT_EQ(JSON_READ_UNKNOWN_TAG, flags);  // its "k" is the 32nd object, not the integer at the bottom
  EXPECT_EQ(g_jsonStack[31], g_jsonCurrent);
  for (int i = 0; i < 31; ++i) JSON_CLOSE();
  EXPECT_EQ(root, g_jsonCurrent);
  JSON_CLOSE();  // at the root: nothing is current any more
  EXPECT_EQ(nullptr, g_jsonCurrent);
  EXPECT_EQ(0, g_jsonDepth);
  JsonCloseDocument(root);
}

TEST(JsonCursor, MissingContainersAndTheirLines) {
  const std::string doc = R"({"obj":{"n":7},"arr":[{"n":1},5],"s":"x"})";
  TraceCapture trace;
  json_t* root = JsonOpenDocument(doc.data(), doc.size());
  ASSERT_NE(nullptr, root);
  u32 flags = 0;
  u16 n = 0;
  EXPECT_FALSE(JSON_OBJ_OPEN("none"));
  getINT("n", n, 0, 9, flags);
  EXPECT_FALSE(JSON_OBJ_OPEN("deeper"));  // inside a missing container
  JSON_CLOSE();
  JSON_CLOSE();
  EXPECT_FALSE(JSON_OBJ_OPEN_MASTER("none"));  // silent
  JSON_CLOSE();
  EXPECT_TRUE(JSON_OBJ_OPEN_MASTER("s"));  // present, wrong kind: taken, lookups find nothing
  getINT("n", n, 0, 9, flags);
  JSON_CLOSE();
  EXPECT_TRUE(JSON_ARRAY_OPEN("arr"));
  EXPECT_TRUE(JSON_ARRAY_OBJ_OPEN(1));  // the element 5 is there, but no object
  getINT("n", n, 0, 9, flags);
  JSON_CLOSE();
  EXPECT_FALSE(JSON_ARRAY_OBJ_OPEN(2));
  JSON_CLOSE();
  JSON_CLOSE();
  EXPECT_TRUE(JSON_OBJ_OPEN("obj"));
  getINT("n", n, 0, 9, flags);
  JSON_CLOSE();
  EXPECT_EQ(7, n);
  EXPECT_EQ(JSON_READ_UNKNOWN_TAG, flags);
  EXPECT_EQ(
      "JSON_OBJ_OPEN: Unknown - none\r\ngetINT UNKNOWN_TAG: n\r\nJSON_OBJ_OPEN: Unknown - deeper\r\n"
      "getINT UNKNOWN_TAG: n\r\ngetINT UNKNOWN_TAG: n\r\nJSON_ARRAY_OBJ_OPEN: Unknown\r\n",
      trace.text());
  EXPECT_EQ(nullptr, JsonGetMember(nullptr));
  JsonCloseDocument(root);
  EXPECT_EQ(nullptr, g_jsonCurrent);
  EXPECT_EQ(nullptr, JsonGetMember("obj"));  // no document: nothing is found
}

TEST(JsonCursor, TraceLinesGoToStandardOutputByDefault) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(nullptr, JsonOpenDocument("{", 1));
  JsonTrace("getINT UNKNOWN_TAG: %s\r\n", std::string(300, 'k').c_str());  // longer than the line buffer
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ("PARSE_ERROR: JSON_OPEN\r\ngetINT UNKNOWN_TAG: " + std::string(300, 'k') + "\r\n", out);
}
