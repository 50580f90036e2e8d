// libFuzzer target: arbitrary bytes as documents.
//
// Every check below gets the same input. The configuration document check
// reads the bytes, writes the record back, reads that text again and expects
// a clean result and the very same text when written once more.
//
// Further readers add a check function to kChecks; they share the one run
// and its time budget.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "DeviceConfig.h"
#include "JsonCursor.h"
#include "JsonReadConfig.h"
#include "JsonWriter.h"

using namespace kt;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void DiscardTrace(void*, const char*, std::size_t) {}

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

    int length = JsonWriteConfig(config.get(), first.data());
    if (length <= 0 || static_cast<std::size_t>(length) >= first.size() || first[length] != '\0')
        Fail("bad length");

    auto again = std::make_unique<DeviceConfig>();
    InitDeviceConfig(again.get());
    u32 flags2 = JsonReadConfig(again.get(), first.data(), static_cast<std::size_t>(length), nullptr);
    if (flags2 != 0) Fail("written document does not read back cleanly");

    int length2 = JsonWriteConfig(again.get(), second.data());
    if (length2 != length || std::memcmp(first.data(), second.data(), static_cast<std::size_t>(length)) != 0)
        Fail("document changes when written again");
}

using Check = void (*)(const std::uint8_t*, std::size_t);
const Check kChecks[] = {
    CheckConfigDocument,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    JsonSetTraceSink(DiscardTrace, nullptr);
    for (Check check : kChecks) check(data, size);
    return 0;
}
