// Writer of the configuration document (the device's "/config.json" and the
// tool's *.json files) and the text escaper it uses.
#pragma once

#include <cstddef>

#include "DeviceConfig.h"

namespace kt {

// The block that callers allocate for a document: 4 MiB, far above the
// longest document any record can give.
inline constexpr std::size_t kJsonConfigBufferSize = 4194304;

// Writes `config` as the configuration document into `buffer`, followed by a
// zero byte, and returns the document's length (the zero byte not counted).
// The buffer need not be cleared. Nothing is ever written at or past
// buffer + capacity: should the document not fit, it is cut there and still
// ends in a zero byte. Uses module state: one document at a time.
int JsonWriteConfig(const DeviceConfig* config, char* buffer, std::size_t capacity = kJsonConfigBufferSize);

// Escaped copy of a zero-terminated text, in one static area of 1024 bytes
// that the next call overwrites. `"`, `\` and `/` and the control bytes get
// their JSON escapes (\b \f \n \r \t, \u00xx for the others); every other
// byte is copied as it is. A text whose escaped form does not fit is cut
// before the first escape that would not fit whole.
const char* JsonEscapeString(const char* text);

}  // namespace kt
