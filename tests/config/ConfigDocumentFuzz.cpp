// libFuzzer target: arbitrary bytes as documents.
//
// Every check below gets the same input. The configuration document check
// reads the bytes, writes the record back, reads that text again and expects
// a clean result and the very same text when written once more.
//
// The device-document checks give the same bytes to each of the seven
// readers: a parse error comes alone and leaves the record as it was, only the
// info and status readers report other flags, the states and entry numbers
// stay in range, no log reader writes past its 32 entries, and every text
// field ends within its width in whole UTF-8 characters.
//
// Further readers add a check function to kChecks; they share the one run
// and its time budget.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "DeviceConfig.h"
#include "DeviceDocuments.h"
#include "JsonCursor.h"
#include "JsonReadConfig.h"
#include "JsonWriter.h"

using namespace kt;

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

void CheckConfigDocument(const std::uint8_t* data, std::size_t size) {
  static std::vector<char> first(kJsonConfigBufferSize);
  static std::vector<char> second(kJsonConfigBufferSize);
  auto config = std::make_unique<DeviceConfig>();
  InitDeviceConfig(config.get());
  auto before = std::make_unique<DeviceConfig>(*config);
  u32 flags = JsonReadConfig(config.get(), reinterpret_cast<const char*>(data), size, nullptr);
  if ((flags & JSON_READ_PARSE_ERROR) && flags != JSON_READ_PARSE_ERROR) Fail("parse error not alone");
  if ((flags & JSON_READ_PARSE_ERROR) && std::memcmp(before.get(), config.get(), sizeof *config) != 0)
    Fail("record changed by a text that is not JSON");
  // The defaults' round trip is the same for every input that changed
  // nothing (most inputs that are not configuration documents); skipping it
  // leaves the time to the inputs that did change the record.
  if (std::memcmp(before.get(), config.get(), sizeof *config) == 0) return;

  int length = JsonWriteConfig(config.get(), first.data());
  if (length <= 0 || static_cast<std::size_t>(length) >= first.size() || first[length] != '\0') Fail("bad length");

  auto again = std::make_unique<DeviceConfig>();
  InitDeviceConfig(again.get());
  u32 flags2 = JsonReadConfig(again.get(), first.data(), static_cast<std::size_t>(length), nullptr);
  if (flags2 != 0) Fail("written document does not read back cleanly");

  int length2 = JsonWriteConfig(again.get(), second.data());
  if (length2 != length || std::memcmp(first.data(), second.data(), static_cast<std::size_t>(length)) != 0)
    Fail("document changes when written again");
}

// A zero byte within the field, and whole UTF-8 sequences before it.
template <std::size_t N>
void CheckText(const char (&field)[N]) {
  const void* end = std::memchr(field, 0, N);
  if (!end) Fail("text field without its zero byte");
  const auto* p = reinterpret_cast<const unsigned char*>(field);
  const auto* stop = static_cast<const unsigned char*>(end);
  while (p < stop) {
    int more = *p < 0x80 ? 0 : (*p & 0xE0) == 0xC0 ? 1 : (*p & 0xF0) == 0xE0 ? 2 : (*p & 0xF8) == 0xF0 ? 3 : -1;
    if (more < 0 || stop - p <= more) Fail("text field cut inside a character");
    for (++p; more > 0; --more, ++p)
      if ((*p & 0xC0) != 0x80) Fail("text field cut inside a character");
  }
}

// Runs `read` on a cleared record (as the callers clear theirs), with a guard
// behind it, and checks the flags against `allowed`. A parse error must also
// leave a record that holds other bytes as it was.
template <class Record, std::size_t Count, class Read, class Validate>
void CheckDeviceDocument(const std::uint8_t* data, std::size_t size, u32 allowed, Read read, Validate validate) {
  struct Guarded {
    Record records[Count];
    unsigned char guard[64];
  };
  auto run = [&](unsigned char fill, u32& flags) {
    auto g = std::make_unique<Guarded>();
    std::memset(g.get(), fill, sizeof *g);
    std::memset(g->guard, 0xEE, sizeof g->guard);
    flags = read(g->records, reinterpret_cast<const char*>(data), size);
    for (unsigned char b : g->guard)
      if (b != 0xEE) Fail("reader wrote past its record");
    return g;
  };
  u32 flags = 0;
  auto cleared = run(0, flags);
  if (flags == JSON_READ_PARSE_ERROR) {
    auto filled = run(0xA5, flags);
    if (flags != JSON_READ_PARSE_ERROR) Fail("parse error not repeatable");
    for (std::size_t i = 0; i < sizeof filled->records; ++i)
      if (reinterpret_cast<const unsigned char*>(filled->records)[i] != 0xA5)
        Fail("record changed by a text that is not JSON");
    return;
  }
  if (flags & ~allowed) Fail("reader set a flag it does not report");
  for (const Record& r : cleared->records) validate(r);
}

void CheckInfo(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<DeviceInfo, 1>(data, size, JSON_READ_UNKNOWN_TAG | JSON_READ_OUT_OF_RANGE, JsonReadInfo,
                                     [](const DeviceInfo& i) {
                                       if (i.MAJ > 65535 || i.MIN > 65535 || i.SUB > 65535 || i.CPU > 65535)
                                         Fail("version number out of range");
                                     });
}

void CheckStatus(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<DeviceStatus, 1>(data, size, JSON_READ_UNKNOWN_TAG, JsonReadStatus, [](const DeviceStatus& s) {
    if (s.Rec > kRecTrig || s.Sd > 1) Fail("status out of range");
  });
}

void CheckSystemLog(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<SystemLogEntry, kLogEntryCount>(data, size, 0, JsonReadSystemLog,
                                                      [](const SystemLogEntry& e) { CheckText(e.Message); });
}

void CheckComLog(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<ComLogEntry, kLogEntryCount>(data, size, 0, JsonReadComLog, [](const ComLogEntry& e) {
    if (e.Count > 4) Fail("Count out of range");
    CheckText(e.Type);
    CheckText(e.Result);
    CheckText(e.FormFile);
    CheckText(e.Message);
  });
}

void CheckEventLog(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<EventLogEntry, kLogEntryCount>(data, size, 0, JsonReadEventLog, [](const EventLogEntry& e) {
    if (e.No > 4) Fail("No out of range");
    CheckText(e.Type);
    CheckText(e.Name);
    CheckText(e.Comment);
    CheckText(e.Coller);
    CheckText(e.Message);
  });
}

void CheckMail(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<MailSubjectList, 1>(data, size, 0, JsonReadMail, [](const MailSubjectList& m) {
    for (const auto& subject : m.SUBJECT) CheckText(subject);
  });
}

void CheckSdInfo(const std::uint8_t* data, std::size_t size) {
  CheckDeviceDocument<SdInfo, 1>(data, size, 0, JsonReadSdInfo, [](const SdInfo& s) {
    CheckText(s.Sd);
    CheckText(s.SPACE);
    CheckText(s.SIZE);
  });
}

using Check = void (*)(const std::uint8_t*, std::size_t);
const Check kChecks[] = {
    CheckConfigDocument, CheckInfo, CheckStatus, CheckSystemLog, CheckComLog, CheckEventLog, CheckMail, CheckSdInfo,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  JsonSetTraceSink(JsonDiscardTrace, nullptr);
  for (Check check : kChecks) check(data, size);
  return 0;
}
