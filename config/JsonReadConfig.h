// Reader of the configuration document.
#pragma once

#include <cstddef>

#include "DeviceConfig.h"
#include "JsonCursor.h"

namespace kt {

// Overwrites the fields of `config` from the configuration document `text`
// (`length` bytes of UTF-8, no zero byte needed) and returns the result flags.
// `config` must hold a complete record on entry (normally the factory
// defaults): a key that is missing, mistyped or out of range leaves its field
// as it was. Not JSON gives JSON_READ_PARSE_ERROR alone; a model tag that is
// missing or not "KT2057..." gives JSON_READ_OUT_OF_RANGE (with
// JSON_READ_UNKNOWN_TAG when missing) and reads nothing. In both cases the
// record is untouched. `errorText`, when not null, gets an empty text.
u32 JsonReadConfig(DeviceConfig* config, const char* text, std::size_t length, char* errorText);

}  // namespace kt
