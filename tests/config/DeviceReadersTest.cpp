// The seven readers of the device's small documents, over fixture documents
// in tests/data/device and documents built by the tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "DeviceDocuments.h"
#include "JsonTestUtil.h"

using namespace kt;
using namespace kt::test;

namespace {

// ---- one table row per reader ----

// Raw, suitably aligned storage for any record (a log is 32 entries).
struct RecordBuffer {
  explicit RecordBuffer(std::size_t size, unsigned char fill) : words((size + 7) / 8), size(size) {
    std::memset(words.data(), fill, size);
  }
  void* data() { return words.data(); }
  std::string bytes() const { return std::string(reinterpret_cast<const char*>(words.data()), size); }
  std::vector<std::uint64_t> words;
  std::size_t size;
};

struct ReaderCase {
  const char* name;
  const char* fixture;  // under tests/data
  std::size_t recordSize;
  u32 (*read)(void* record, const char* text, std::size_t length);
  u32 emptyObjectFlags;  // the flags for "{}": only info and status report any
};

void PrintTo(const ReaderCase& reader, std::ostream* out) { *out << reader.name; }

template <class Record, u32 (*Reader)(Record*, const char*, std::size_t)>
u32 ReadAs(void* record, const char* text, std::size_t length) {
  return Reader(static_cast<Record*>(record), text, length);
}

const ReaderCase kReaders[] = {
    {"Info", "device/info.json", sizeof(DeviceInfo), ReadAs<DeviceInfo, JsonReadInfo>, JSON_READ_UNKNOWN_TAG},
    {"Status", "device/status.json", sizeof(DeviceStatus), ReadAs<DeviceStatus, JsonReadStatus>, JSON_READ_UNKNOWN_TAG},
    {"SystemLog", "device/log_system.json", sizeof(SystemLogEntry) * kLogEntryCount,
     ReadAs<SystemLogEntry, JsonReadSystemLog>, 0},
    {"ComLog", "device/log_com.json", sizeof(ComLogEntry) * kLogEntryCount, ReadAs<ComLogEntry, JsonReadComLog>, 0},
    {"EventLog", "device/log_event.json", sizeof(EventLogEntry) * kLogEntryCount,
     ReadAs<EventLogEntry, JsonReadEventLog>, 0},
    {"Mail", "device/mail.json", sizeof(MailSubjectList), ReadAs<MailSubjectList, JsonReadMail>, 0},
    {"SdInfo", "device/sdinfo.json", sizeof(SdInfo), ReadAs<SdInfo, JsonReadSdInfo>, 0},
};

struct Outcome {
  u32 flags;
  std::string record;  // the record's bytes after the call
  std::string trace;
};

Outcome ReadWith(const ReaderCase& reader, const std::string& text, unsigned char fill = 0) {
  RecordBuffer record(reader.recordSize, fill);
  TraceCapture trace;
  u32 flags = reader.read(record.data(), text.data(), text.size());
  return {flags, record.bytes(), trace.text()};
}

class DeviceReader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(DeviceReader, ItsFixtureReadsCleanly) {
  const ReaderCase& reader = GetParam();
  const std::string doc = ReadDataFile(reader.fixture);
  ASSERT_FALSE(doc.empty());
  Outcome out = ReadWith(reader, doc);
  EXPECT_EQ(0u, out.flags);
  // The logs trace the entries the fixture does not have; the others are complete.
  if (std::string(reader.name).find("Log") == std::string::npos) {
    EXPECT_EQ("", out.trace);
  }
  EXPECT_NE(std::string(reader.recordSize, '\0'), out.record);
}

TEST_P(DeviceReader, ATextCutAnywhereGivesParseErrorAndLeavesTheRecordByteIdentical) {
  const ReaderCase& reader = GetParam();
  const std::string doc = ReadDataFile(reader.fixture);
  const std::size_t end = doc.rfind('}');
  ASSERT_NE(std::string::npos, end);
  const std::string untouched = RecordBuffer(reader.recordSize, 0xA5).bytes();
  for (std::size_t cut = 0; cut <= end; ++cut) {
    Outcome out = ReadWith(reader, doc.substr(0, cut), 0xA5);
    ASSERT_EQ(JSON_READ_PARSE_ERROR, out.flags) << "cut at " << cut;
    ASSERT_EQ(untouched, out.record) << "cut at " << cut;
    ASSERT_EQ("PARSE_ERROR: JSON_OPEN\r\n", out.trace) << "cut at " << cut;
  }
  // Not a text at all.
  RecordBuffer record(reader.recordSize, 0xA5);
  TraceCapture quiet;
  EXPECT_EQ(JSON_READ_PARSE_ERROR, reader.read(record.data(), nullptr, 0));
  EXPECT_EQ(untouched, record.bytes());
}

TEST_P(DeviceReader, WorksAfterEveryReaderFailedOrMetTheWrongDocument) {
  const ReaderCase& reader = GetParam();
  const std::string doc = ReadDataFile(reader.fixture);
  const Outcome reference = ReadWith(reader, doc);
  for (const ReaderCase& other : kReaders) {
    SCOPED_TRACE(other.name);
    const std::string otherDoc = ReadDataFile(other.fixture);
    ReadWith(other, otherDoc.substr(0, otherDoc.size() / 2));  // parse error
    ReadWith(other, doc);                                      // someone else's document
    Outcome again = ReadWith(reader, doc);
    EXPECT_EQ(reference.flags, again.flags);
    EXPECT_EQ(reference.record, again.record);
    EXPECT_EQ(reference.trace, again.trace);
    EXPECT_EQ(0, g_jsonDepth);
    EXPECT_EQ(nullptr, g_jsonCurrent);
  }
}

TEST_P(DeviceReader, FlagsOfDocumentsWithNothingToRead) {
  const ReaderCase& reader = GetParam();
  // A root of the wrong kind, or containers of the wrong kind, read nothing.
  for (const char* doc : {"{}", "[]", "[1, 2, 3]", R"({"Log": {}, "MAIL": [], "SDINFO": 3, "VERSION": []})",
                          R"({"Log": [[], 1, "x"], "MAIL": {"F": {}}, "SDINFO": {"Sd": 1}})"}) {
    SCOPED_TRACE(doc);
    Outcome out = ReadWith(reader, doc, 0x5A);
    EXPECT_EQ(reader.emptyObjectFlags, out.flags);
    EXPECT_NE("", out.trace);
  }
  // Only a JSON object or array is a document.
  for (const char* doc : {"3", "\"ON\"", "null", "", "{} {}"}) {
    EXPECT_EQ(JSON_READ_PARSE_ERROR, ReadWith(reader, doc).flags) << doc;
  }
}

INSTANTIATE_TEST_SUITE_P(AllSeven, DeviceReader, ::testing::ValuesIn(kReaders),
                         [](const ::testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

// ---- documents built by the tests ----

// Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" +
// std::string&& (-Wrestrict, GCC bug 105329).
std::string TimeText(const std::vector<long long>& numbers) {
  std::string out = "[";
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(numbers[i]);
  }
  return out + "]";
}

// {"Log":[{"Time":[...],<members>}, ...]}, one entry per element.
std::string LogDocument(const std::vector<std::string>& entries) {
  std::string out = "{\"Log\":[";
  for (std::size_t i = 0; i < entries.size(); ++i) out += (i ? ",{" : "{") + entries[i] + "}";
  return out + "]}";
}

std::string Quoted(const std::string& text) {
  JsonPtr s(json_string(text.c_str()));
  return Dump(s.get());
}

// Nothing past the 32 entries may be written: the test's array has a guard
// entry after them.
template <class Entry>
struct LogBuffer {
  LogBuffer() {
    std::memset(entries, 0, sizeof entries);
    std::memset(&guard, 0xEE, sizeof guard);
  }
  bool GuardIntact() const {
    Entry pattern;
    std::memset(&pattern, 0xEE, sizeof pattern);
    return std::memcmp(&pattern, &guard, sizeof guard) == 0;
  }
  Entry entries[kLogEntryCount];
  Entry guard;
};

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string MissingEntryTrace(const std::vector<std::string>& keyLines) {
  std::string out = "JSON_ARRAY_OBJ_OPEN: Unknown\nJSON_ARRAY_OPEN: Unknown - Time\n";
  for (int k = 0; k < kLogTimeCount; ++k) out += "getALONG UNKNOWN_ARRAY: " + std::to_string(k) + "\n";
  for (const std::string& line : keyLines) out += line + "\n";
  return CrLf(out);
}

TEST(LogReaders, FortyEntriesFillThirtyTwoAndNoMore) {
  std::vector<std::string> entries;
  for (int i = 0; i < 40; ++i)
    entries.push_back("\"Time\":" + TimeText({2000 + i, 1, 2, 3, 4, 5, i}) + ",\"Message\":\"m" + std::to_string(i) +
                      "\"");
  LogBuffer<SystemLogEntry> log;
  TraceCapture trace;
  const std::string doc = LogDocument(entries);
  EXPECT_EQ(0u, JsonReadSystemLog(log.entries, doc.data(), doc.size()));
  EXPECT_EQ("", trace.text());
  for (int i = 0; i < kLogEntryCount; ++i) {
    EXPECT_EQ(2000 + i, log.entries[i].Time[0]);
    EXPECT_EQ(i, log.entries[i].Time[6]);
    EXPECT_EQ(std::string("m") += std::to_string(i), log.entries[i].Message);
  }
  EXPECT_TRUE(log.GuardIntact());
}

TEST(LogReaders, ThreeEntriesFillThreeAndTraceEachMissingOne) {
  LogBuffer<SystemLogEntry> log;
  TraceCapture trace;
  const std::string doc = ReadDataFile("device/log_system.json");
  EXPECT_EQ(0u, JsonReadSystemLog(log.entries, doc.data(), doc.size()));
  const u16 firstTime[kLogTimeCount] = {2024, 5, 17, 9, 30, 15, 250};
  EXPECT_EQ(0, std::memcmp(firstTime, log.entries[0].Time, sizeof firstTime));
  EXPECT_STREQ("Power on", log.entries[0].Message);
  EXPECT_STREQ("SD card mounted", log.entries[1].Message);
  EXPECT_STREQ("Time adjusted (SNTP)", log.entries[2].Message);
  EXPECT_EQ(999, log.entries[2].Time[6]);
  SystemLogEntry cleared{};
  for (int i = 3; i < kLogEntryCount; ++i)
    EXPECT_EQ(0, std::memcmp(&cleared, &log.entries[i], sizeof cleared)) << "entry " << i;
  EXPECT_EQ(Repeat(MissingEntryTrace({"getSTR UNKNOWN_TAG: Message"}), kLogEntryCount - 3), trace.text());
  EXPECT_TRUE(log.GuardIntact());
}

TEST(LogReaders, MissingEntriesOfTheOtherLogsTraceEveryKey) {
  const std::string doc = LogDocument({});
  {
    LogBuffer<ComLogEntry> log;
    TraceCapture trace;
    EXPECT_EQ(0u, JsonReadComLog(log.entries, doc.data(), doc.size()));
    EXPECT_EQ(
        Repeat(MissingEntryTrace({"getSTR UNKNOWN_TAG: Type", "getINT UNKNOWN_TAG: Count", "getSTR UNKNOWN_TAG: Result",
                                  "getSTR UNKNOWN_TAG: FormFile", "getSTR UNKNOWN_TAG: Message"}),
               kLogEntryCount),
        trace.text());
  }
  {
    LogBuffer<EventLogEntry> log;
    TraceCapture trace;
    EXPECT_EQ(0u, JsonReadEventLog(log.entries, doc.data(), doc.size()));
    EXPECT_EQ(Repeat(MissingEntryTrace({"getSTR UNKNOWN_TAG: Type", "getINT UNKNOWN_TAG: No",
                                        "getSTR UNKNOWN_TAG: Name", "getSTR UNKNOWN_TAG: Comment",
                                        "getSTR UNKNOWN_TAG: Coller", "getSTR UNKNOWN_TAG: Message"}),
                     kLogEntryCount),
              trace.text());
  }
}

TEST(LogReaders, TimeNumbers) {
  struct Case {
    const char* time;
    u16 expected[kLogTimeCount];
    const char* trace;
  };
  const Case cases[] = {
      // Five numbers keep the last two as cleared.
      {"[2024,5,17,9,30]", {2024, 5, 17, 9, 30, 0, 0}, "getALONG UNKNOWN_ARRAY: 5\ngetALONG UNKNOWN_ARRAY: 6\n"},
      // Extra numbers are ignored.
      {"[1,2,3,4,5,6,7,8,9]", {1, 2, 3, 4, 5, 6, 7}, ""},
      // Low 16 bits, no range check.
      {"[70000,-1,65535,65536,0,0,0]", {4464, 65535, 65535, 0, 0, 0, 0}, ""},
      // Only integers count.
      {"[2024,\"5\",17.0,true,null,[1],7]",
       {2024, 0, 0, 0, 0, 0, 7},
       "getALONG UNKNOWN_ARRAY: 1\ngetALONG UNKNOWN_ARRAY: 2\ngetALONG UNKNOWN_ARRAY: 3\n"
       "getALONG UNKNOWN_ARRAY: 4\ngetALONG UNKNOWN_ARRAY: 5\n"},
      {"{}",
       {0, 0, 0, 0, 0, 0, 0},
       "getALONG UNKNOWN_ARRAY: 0\ngetALONG UNKNOWN_ARRAY: 1\ngetALONG UNKNOWN_ARRAY: 2\n"
       "getALONG UNKNOWN_ARRAY: 3\ngetALONG UNKNOWN_ARRAY: 4\ngetALONG UNKNOWN_ARRAY: 5\n"
       "getALONG UNKNOWN_ARRAY: 6\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    LogBuffer<SystemLogEntry> log;
    TraceCapture trace;
    const std::string doc = LogDocument({std::string("\"Time\":") + c.time + ",\"Message\":\"x\""});
    EXPECT_EQ(0u, JsonReadSystemLog(log.entries, doc.data(), doc.size()));
    EXPECT_EQ(0, std::memcmp(c.expected, log.entries[0].Time, sizeof c.expected));
    EXPECT_STREQ("x", log.entries[0].Message);
    const std::string first = trace.text().substr(0, trace.text().find("JSON_ARRAY_OBJ_OPEN"));
    EXPECT_EQ(CrLf(c.trace), first);
  }
}

TEST(LogReaders, EventEntryComesFromColler) {
  TraceCapture quiet;
  LogBuffer<EventLogEntry> log;
  const std::string doc = ReadDataFile("device/log_event.json");
  EXPECT_EQ(0u, JsonReadEventLog(log.entries, doc.data(), doc.size()));
  const EventLogEntry& e = log.entries[0];
  const u16 time[kLogTimeCount] = {2024, 5, 17, 11, 12, 13, 140};
  EXPECT_EQ(0, std::memcmp(time, e.Time, sizeof time));
  EXPECT_STREQ("ALARM", e.Type);
  EXPECT_EQ(2, e.No);
  EXPECT_STREQ("AI1 温度", e.Name);
  EXPECT_STREQ("Tank inlet", e.Comment);
  EXPECT_STREQ("AI1", e.Coller);
  EXPECT_STREQ("Upper limit exceeded", e.Message);
  EXPECT_STREQ("RECOVER", log.entries[1].Type);
  EXPECT_STREQ("DI2", log.entries[1].Coller);
  EXPECT_EQ(0, log.entries[2].Time[0]);

  // The correctly spelt key is not the device's.
  LogBuffer<EventLogEntry> other;
  TraceCapture trace;
  const std::string caller = LogDocument({"\"Time\":[1,1,1,1,1,1,1],\"Caller\":\"AI1\""});
  EXPECT_EQ(0u, JsonReadEventLog(other.entries, caller.data(), caller.size()));
  EXPECT_STREQ("", other.entries[0].Coller);
  EXPECT_NE(std::string::npos, trace.text().find("getSTR UNKNOWN_TAG: Coller\r\n"));
}

TEST(LogReaders, EntryNumbersOutOfRangeKeepTheFieldAndSetNoFlag) {
  for (const char* value : {"7", "-1", "5", "4294967296", "\"2\"", "2.0"}) {
    SCOPED_TRACE(value);
    const bool integer = std::strchr("-0123456789", value[0]) && !std::strchr(value, '.');
    {
      LogBuffer<ComLogEntry> log;
      TraceCapture trace;
      const std::string doc = LogDocument({std::string("\"Time\":[1,1,1,1,1,1,1],\"Count\":") + value});
      EXPECT_EQ(0u, JsonReadComLog(log.entries, doc.data(), doc.size()));
      EXPECT_EQ(0, log.entries[0].Count);
      EXPECT_NE(std::string::npos,
                trace.text().find(integer ? "getINT out of range: Count\r\n" : "getINT UNKNOWN_TAG: Count\r\n"));
    }
    {
      LogBuffer<EventLogEntry> log;
      TraceCapture quiet;
      const std::string doc = LogDocument({std::string("\"Time\":[1,1,1,1,1,1,1],\"No\":") + value});
      EXPECT_EQ(0u, JsonReadEventLog(log.entries, doc.data(), doc.size()));
      EXPECT_EQ(0, log.entries[0].No);
    }
  }
  LogBuffer<ComLogEntry> log;
  TraceCapture quiet;
  const std::string doc = LogDocument({"\"Count\":4", "\"Count\":0"});
  log.entries[1].Count = 3;
  EXPECT_EQ(0u, JsonReadComLog(log.entries, doc.data(), doc.size()));
  EXPECT_EQ(4, log.entries[0].Count);
  EXPECT_EQ(0, log.entries[1].Count);
}

// A text longer than its field keeps the whole characters that fit before
// the zero byte, so the field is still valid UTF-8.
TEST(LogReaders, LongTextsAreCutOnACharacterBoundary) {
  struct Field {
    const char* log;  // "system", "com" or "event"
    const char* key;
    std::size_t width;
    std::function<const char*(const void*)> get;
  };
  auto sys = [](const void* p) { return static_cast<const SystemLogEntry*>(p); };
  auto com = [](const void* p) { return static_cast<const ComLogEntry*>(p); };
  auto ev = [](const void* p) { return static_cast<const EventLogEntry*>(p); };
  const Field fields[] = {
      {"system", "Message", 32, [&](const void* p) { return sys(p)->Message; }},
      {"com", "Type", 16, [&](const void* p) { return com(p)->Type; }},
      {"com", "Result", 16, [&](const void* p) { return com(p)->Result; }},
      {"com", "FormFile", 32, [&](const void* p) { return com(p)->FormFile; }},
      {"com", "Message", 32, [&](const void* p) { return com(p)->Message; }},
      {"event", "Type", 16, [&](const void* p) { return ev(p)->Type; }},
      {"event", "Name", 49, [&](const void* p) { return ev(p)->Name; }},
      {"event", "Comment", 49, [&](const void* p) { return ev(p)->Comment; }},
      {"event", "Coller", 16, [&](const void* p) { return ev(p)->Coller; }},
      {"event", "Message", 97, [&](const void* p) { return ev(p)->Message; }},
  };
  struct Text {
    std::string text;
    std::string kept;
  };
  for (const Field& f : fields) {
    SCOPED_TRACE(std::string(f.log) + " " + f.key);
    const std::size_t room = f.width - 1;
    const std::string a(room - 1, 'a');
    const std::string b(room - 2, 'b');
    const std::string c(room, 'c');
    const Text texts[] = {
        {a + "€", a},        // 3-byte character from the last byte on
        {b + "€", b},        // ... from the second last byte on
        {b + "é", b + "é"},  // a 2-byte character that just fits
        {a + "😀x", a},       // 4-byte character
        {c + "z", c},        // plain ASCII cut
        {"", ""},           {Repeat("€", static_cast<int>(room)), Repeat("€", static_cast<int>(room / 3))},
    };
    for (const Text& t : texts) {
      const std::string doc = LogDocument({"\"Time\":[1,1,1,1,1,1,1]," + Quoted(f.key) + ":" + Quoted(t.text)});
      // Filled with stray bytes: the read clears the whole field first.
      std::vector<std::uint64_t> storage(sizeof(EventLogEntry) * kLogEntryCount / 8 + 1, 0x7F7F7F7F7F7F7F7Full);
      void* entries = storage.data();
      TraceCapture quiet;
      u32 flags = std::strcmp(f.log, "system") == 0
                      ? JsonReadSystemLog(static_cast<SystemLogEntry*>(entries), doc.data(), doc.size())
                  : std::strcmp(f.log, "com") == 0
                      ? JsonReadComLog(static_cast<ComLogEntry*>(entries), doc.data(), doc.size())
                      : JsonReadEventLog(static_cast<EventLogEntry*>(entries), doc.data(), doc.size());
      EXPECT_EQ(0u, flags);
      const char* field = f.get(entries);
      EXPECT_EQ(t.kept, std::string(field)) << t.text;
      // Zero-filled to the end of the field.
      for (std::size_t i = t.kept.size(); i < f.width; ++i) EXPECT_EQ('\0', field[i]) << i;
    }
  }
}

// ---- information and status ----

struct InfoCase {
  const char* what;
  std::function<void(json_t*)> change;
  u32 flags;
  std::function<void(const DeviceInfo&)> check;
};

TEST(InfoReader, FlagsAndValues) {
  const std::string fixture = ReadDataFile("device/info.json");
  auto lan = [](json_t* root) { return json_object_get(root, "LAN"); };
  const InfoCase cases[] = {
      {"fixture", [](json_t*) {}, 0,
       [](const DeviceInfo& i) {
         EXPECT_EQ(1u, i.MAJ);
         EXPECT_EQ(2u, i.MIN);
         EXPECT_EQ(3u, i.SUB);
         EXPECT_EQ(17u, i.CPU);
         const u8 mac[6] = {0, 17, 34, 171, 205, 239};
         EXPECT_EQ(0, std::memcmp(mac, i.MAC, 6));
         const u8 ip[4] = {192, 168, 1, 20}, mask[4] = {255, 255, 255, 0}, gw[4] = {192, 168, 1, 1};
         const u8 dns1[4] = {8, 8, 8, 8}, dns2[4] = {1, 1, 1, 1};
         EXPECT_EQ(0, std::memcmp(ip, i.IPADDRESS, 4));
         EXPECT_EQ(0, std::memcmp(mask, i.SUBNETMASK, 4));
         EXPECT_EQ(0, std::memcmp(gw, i.DEFAULTGATEWAY, 4));
         EXPECT_EQ(0, std::memcmp(dns1, i.DNS1, 4));
         EXPECT_EQ(0, std::memcmp(dns2, i.DNS2, 4));
       }},
      {"MAJ above 65535",
       [](json_t* r) { json_object_set_new(json_object_get(r, "VERSION"), "MAJ", json_integer(65536)); },
       JSON_READ_OUT_OF_RANGE,
       [](const DeviceInfo& i) {
         EXPECT_EQ(0x77777777u, i.MAJ);
         EXPECT_EQ(2u, i.MIN);
       }},
      {"CPU negative", [](json_t* r) { json_object_set_new(json_object_get(r, "VERSION"), "CPU", json_integer(-1)); },
       JSON_READ_OUT_OF_RANGE, [](const DeviceInfo& i) { EXPECT_EQ(0x77777777u, i.CPU); }},
      {"SUB 65535", [](json_t* r) { json_object_set_new(json_object_get(r, "VERSION"), "SUB", json_integer(65535)); },
       0, [](const DeviceInfo& i) { EXPECT_EQ(65535u, i.SUB); }},
      {"MIN as text", [](json_t* r) { json_object_set_new(json_object_get(r, "VERSION"), "MIN", json_string("2")); },
       JSON_READ_UNKNOWN_TAG,
       [](const DeviceInfo& i) {
         EXPECT_EQ(0x77777777u, i.MIN);
         EXPECT_EQ(3u, i.SUB);
       }},
      {"DNS2 missing", [&](json_t* r) { json_object_del(lan(r), "DNS2"); }, JSON_READ_UNKNOWN_TAG,
       [](const DeviceInfo& i) {
         const u8 kept[4] = {0x77, 0x77, 0x77, 0x77}, dns1[4] = {8, 8, 8, 8};
         EXPECT_EQ(0, std::memcmp(kept, i.DNS2, 4));
         EXPECT_EQ(0, std::memcmp(dns1, i.DNS1, 4));
         EXPECT_EQ(1u, i.MAJ);
       }},
      {"MAC element 300", [](json_t* r) { json_array_set_new(json_object_get(r, "MAC"), 2, json_integer(300)); }, 0,
       [](const DeviceInfo& i) { EXPECT_EQ(44, i.MAC[2]); }},
      {"MAC of 5", [](json_t* r) { json_array_remove(json_object_get(r, "MAC"), 5); }, JSON_READ_UNKNOWN_TAG,
       [](const DeviceInfo& i) {
         EXPECT_EQ(205, i.MAC[4]);
         EXPECT_EQ(0x77, i.MAC[5]);
       }},
      {"MAC of 8",
       [](json_t* r) {
         json_array_append_new(json_object_get(r, "MAC"), json_integer(99));
         json_array_append_new(json_object_get(r, "MAC"), json_integer(98));
       },
       0,
       [](const DeviceInfo& i) {
         EXPECT_EQ(239, i.MAC[5]);
         EXPECT_EQ(192, i.IPADDRESS[0]);
       }},
      {"MAC element real", [](json_t* r) { json_array_set_new(json_object_get(r, "MAC"), 0, json_real(1.0)); },
       JSON_READ_UNKNOWN_TAG,
       [](const DeviceInfo& i) {
         EXPECT_EQ(0x77, i.MAC[0]);
         EXPECT_EQ(17, i.MAC[1]);
       }},
      {"IPADDRESS octets wide",
       [&](json_t* r) {
         json_t* ip = json_object_get(lan(r), "IPADDRESS");
         json_array_set_new(ip, 0, json_integer(-1));
         json_array_set_new(ip, 3, json_integer(0x1234));
       },
       0,
       [](const DeviceInfo& i) {
         EXPECT_EQ(255, i.IPADDRESS[0]);
         EXPECT_EQ(0x34, i.IPADDRESS[3]);
       }},
      {"LAN an array", [](json_t* r) { json_object_set_new(r, "LAN", json_array()); }, JSON_READ_UNKNOWN_TAG,
       [](const DeviceInfo& i) {
         EXPECT_EQ(0x77, i.SUBNETMASK[0]);
         EXPECT_EQ(0x77, i.DNS2[3]);
       }},
      {"both faults",
       [](json_t* r) {
         json_object_set_new(json_object_get(r, "VERSION"), "MAJ", json_integer(70000));
         json_object_del(r, "MAC");
       },
       JSON_READ_UNKNOWN_TAG | JSON_READ_OUT_OF_RANGE, [](const DeviceInfo& i) { EXPECT_EQ(0x77, i.MAC[0]); }},
  };
  for (const InfoCase& c : cases) {
    SCOPED_TRACE(c.what);
    JsonPtr root = Parse(fixture);
    c.change(root.get());
    const std::string doc = Dump(root.get());
    DeviceInfo info;
    std::memset(&info, 0x77, sizeof info);
    TraceCapture quiet;
    EXPECT_EQ(c.flags, JsonReadInfo(&info, doc.data(), doc.size()));
    c.check(info);
  }
}

TEST(InfoReader, TraceNamesWhatIsMissing) {
  const std::string doc = R"({"VERSION":{"MAJ":1,"MIN":2,"SUB":3},"MAC":[1,2,3,4],"LAN":{}})";
  DeviceInfo info{};
  TraceCapture trace;
  EXPECT_EQ(JSON_READ_UNKNOWN_TAG, JsonReadInfo(&info, doc.data(), doc.size()));
  std::string expected = "getINT UNKNOWN_TAG: CPU\ngetALONG UNKNOWN_ARRAY: 4\ngetALONG UNKNOWN_ARRAY: 5\n";
  for (const char* key : {"IPADDRESS", "SUBNETMASK", "DEFAULTGATEWAY", "DNS1", "DNS2"}) {
    expected += std::string("JSON_ARRAY_OPEN: Unknown - ") + key + "\n";
    for (int k = 0; k < 4; ++k) expected += "getALONG UNKNOWN_ARRAY: " + std::to_string(k) + "\n";
  }
  EXPECT_EQ(CrLf(expected), trace.text());
}

TEST(StatusReader, StatesFromTheirTexts) {
  struct Case {
    std::string doc;
    u32 flags;
    u32 rec;
    u32 sd;
  };
  const std::vector<Case> cases = {
      {R"({"Rec":"start","Sd":"ON"})", 0, kRecStart, 0},
      {R"({"Rec":"trig","Sd":"OFF"})", 0, kRecTrig, 1},
      {R"({"Rec":"stop","Sd":"ON"})", 0, kRecStop, 0},
      {R"({"Rec":"stopped","Sd":"on"})", 0, kRecStop, 1},
      {R"({"Rec":"stop start","Sd":"SD ON"})", 0, kRecStop, 0},
      {R"({"Rec":"restart","Sd":""})", 0, kRecStart, 1},
      {R"({"Rec":"trigger","Sd":"NONE"})", 0, kRecTrig, 0},
      {R"({"Rec":"START","Sd":"ON"})", 0, kRecStop, 0},
      {R"({"Rec":"","Sd":"ON"})", 0, kRecStop, 0},
      {R"({"Rec":"idle","Sd":"ON"})", 0, kRecStop, 0},
      // Only the first 31 bytes are looked at.
      {R"({"Rec":")" + std::string(28, '.') + R"(trig","Sd":")" + std::string(30, '.') + R"(ON"})", 0, kRecStop, 1},
      {R"({"Rec":")" + std::string(27, '.') + R"(trig","Sd":")" + std::string(29, '.') + R"(ON"})", 0, kRecTrig, 0},
      // A missing or mistyped text reads as empty, and the states still follow from it.
      {R"({"Sd":"ON"})", JSON_READ_UNKNOWN_TAG, kRecStop, 0},
      {R"({"Rec":"trig"})", JSON_READ_UNKNOWN_TAG, kRecTrig, 1},
      {R"({"Rec":1,"Sd":true})", JSON_READ_UNKNOWN_TAG, kRecStop, 1},
      {R"({})", JSON_READ_UNKNOWN_TAG, kRecStop, 1},
      {R"(["start","ON"])", JSON_READ_UNKNOWN_TAG, kRecStop, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.doc);
    DeviceStatus status{kRecTrig, 0};
    TraceCapture trace;
    const std::string& doc = c.doc;
    EXPECT_EQ(c.flags, JsonReadStatus(&status, doc.data(), doc.size()));
    EXPECT_EQ(c.rec, status.Rec);
    EXPECT_EQ(c.sd, status.Sd);
  }
  DeviceStatus status{};
  TraceCapture trace;
  const std::string doc = R"({"Rec":2})";
  JsonReadStatus(&status, doc.data(), doc.size());
  EXPECT_EQ(CrLf("getSTR UNKNOWN_TAG: Rec\ngetSTR UNKNOWN_TAG: Sd\n"), trace.text());
}

// ---- mail subjects and memory card ----

TEST(MailReader, FillsTheSubjectsThereAre) {
  struct Case {
    std::string doc;
    std::vector<std::string> subjects;  // as the caller cleared them: empty
    int missing;                        // elements traced as missing
  };
  const std::string long96 = Repeat("0123456789ab", 8);  // 96 bytes
  const std::vector<Case> cases = {
      {R"({"MAIL":{"F":[{"SUBJECT":"a"},{"SUBJECT":"b"}]}})", {"a", "b", "", ""}, 2},
      {R"({"MAIL":{"F":[{"SUBJECT":"1"},{"SUBJECT":"2"},{"SUBJECT":"3"},{"SUBJECT":"4"},{"SUBJECT":"5"}]}})",
       {"1", "2", "3", "4"},
       0},
      {R"({"MAIL":{"F":[{},{"SUBJECT":7},{"SUBJECT":"c"},"d"]}})", {"", "", "c", ""}, 0},
      {R"({"MAIL":{"F":[{"SUBJECT":")" + long96 + R"(x"}]}})", {long96, "", "", ""}, 3},
      {R"({"F":[{"SUBJECT":"a"}]})", {"", "", "", ""}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.doc);
    MailSubjectList mail{};
    TraceCapture trace;
    const std::string& doc = c.doc;
    EXPECT_EQ(0u, JsonReadMail(&mail, doc.data(), doc.size()));
    for (int i = 0; i < kMailSubjectCount; ++i) EXPECT_EQ(c.subjects[static_cast<std::size_t>(i)], mail.SUBJECT[i]);
    int traced = 0;
    for (std::size_t at = 0; (at = trace.text().find("JSON_ARRAY_OBJ_OPEN: Unknown\r\n", at)) != std::string::npos;
         ++at)
      ++traced;
    EXPECT_EQ(c.missing, traced);
  }
  const std::string doc = ReadDataFile("device/mail.json");
  MailSubjectList mail{};
  TraceCapture quiet;
  EXPECT_EQ(0u, JsonReadMail(&mail, doc.data(), doc.size()));
  EXPECT_STREQ("Daily report", mail.SUBJECT[0]);
  EXPECT_STREQ("Test", mail.SUBJECT[3]);
}

TEST(SdInfoReader, ReadsTheCardTexts) {
  const std::string doc = ReadDataFile("device/sdinfo.json");
  SdInfo sd{};
  EXPECT_EQ(0u, JsonReadSdInfo(&sd, doc.data(), doc.size()));
  EXPECT_STREQ("ON", sd.Sd);
  EXPECT_STREQ("15931539456", sd.SPACE);
  EXPECT_STREQ("15955107840", sd.SIZE);

  // Missing keys keep the caller's values and set no flag; long texts are cut.
  SdInfo kept{};
  std::strcpy(kept.SPACE, "keep");
  TraceCapture trace;
  const std::string partial = R"({"SDINFO":{"Sd":"NO CARD INSERTED!!","SIZE":12}})";
  EXPECT_EQ(0u, JsonReadSdInfo(&kept, partial.data(), partial.size()));
  EXPECT_STREQ("NO CARD INSERTE", kept.Sd);
  EXPECT_STREQ("keep", kept.SPACE);
  EXPECT_STREQ("", kept.SIZE);
  EXPECT_EQ(CrLf("getSTR UNKNOWN_TAG: SPACE\ngetSTR UNKNOWN_TAG: SIZE\n"), trace.text());
}

}  // namespace
