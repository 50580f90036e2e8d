#include "JsonCursor.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "ValueNames.h"

namespace kt {

json_t* g_jsonStack[JSON_NEST_MAX];
int g_jsonDepth = 0;
json_t* g_jsonCurrent = nullptr;

namespace {

JsonTraceSink g_traceSink = nullptr;
void* g_traceContext = nullptr;

void EmitTrace(const char* line, std::size_t length) {
  if (g_traceSink) {
    g_traceSink(g_traceContext, line, length);
  } else {
    std::fwrite(line, 1, length, stdout);
  }
}

// The container one level deeper than the current one. Levels past the last
// slot are always "none", so closing back from them never reads outside the
// stack.
bool Descend(json_t* next, const char* nestOverFormat, const char* key) {
  ++g_jsonDepth;
  if (g_jsonDepth >= JSON_NEST_MAX) {
    if (key) {
      JsonTrace(nestOverFormat, key);
    } else {
      JsonTrace("%s", nestOverFormat);
    }
    g_jsonCurrent = nullptr;
    return false;
  }
  g_jsonCurrent = next;
  g_jsonStack[g_jsonDepth] = next;
  return next != nullptr;
}

bool IsHexDigit(char c, unsigned& value) {
  if (c >= '0' && c <= '9') {
    value = static_cast<unsigned>(c - '0');
    return true;
  }
  if (c >= 'a' && c <= 'f') {
    value = static_cast<unsigned>(c - 'a' + 10);
    return true;
  }
  if (c >= 'A' && c <= 'F') {
    value = static_cast<unsigned>(c - 'A' + 10);
    return true;
  }
  return false;
}

template <class T>
void ReadInt(const char* key, T& field, u32 min, u32 max, u32& flags) {
  json_t* value = JsonGetMember(key);
  if (!json_is_integer(value)) {
    flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getINT UNKNOWN_TAG: %s\r\n", key);
    return;
  }
  json_int_t v = json_integer_value(value);
  if (v < static_cast<json_int_t>(min) || v > static_cast<json_int_t>(max)) {
    flags |= JSON_READ_OUT_OF_RANGE;
    JsonTrace("getINT out of range: %s\r\n", key);
    return;
  }
  field = static_cast<T>(v);
}

template <class T>
void ReadHex(const char* key, T& field, std::int64_t min, std::int64_t max, u32& flags) {
  json_t* value = JsonGetMember(key);
  if (!json_is_string(value)) {
    flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getHEX UNKNOWN_TAG: %s\r\n", key);
    return;
  }
  std::int64_t v = JsonParseHex(json_string_value(value));
  if (v < min || v > max) {
    flags |= JSON_READ_OUT_OF_RANGE;
    JsonTrace("getHEX out of range: %s\r\n", key);
    return;
  }
  field = static_cast<T>(v);
}

template <class T>
void ReadArrayLong(std::size_t index, T& field, u32& flags) {
  // json_array_get is null unless the current container is an array with
  // more than `index` elements.
  json_t* element = json_array_get(g_jsonCurrent, index);
  if (!json_is_integer(element)) {
    flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getALONG UNKNOWN_ARRAY: %d\r\n", static_cast<int>(index));
    return;
  }
  // Conversion to unsigned keeps the low bits, negative values included.
  field = static_cast<T>(static_cast<std::uint64_t>(json_integer_value(element)));
}

}  // namespace

void JsonSetTraceSink(JsonTraceSink sink, void* context) {
  g_traceSink = sink;
  g_traceContext = context;
}

void JsonDiscardTrace(void*, const char*, std::size_t) {}

void JsonTrace(const char* format, ...) {
  if (g_traceSink == JsonDiscardTrace) return;
  char line[256];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (n < 0) return;
  if (static_cast<std::size_t>(n) < sizeof line) {
    EmitTrace(line, static_cast<std::size_t>(n));
    return;
  }
  std::string longLine(static_cast<std::size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(longLine.data(), longLine.size(), format, args);
  va_end(args);
  EmitTrace(longLine.data(), static_cast<std::size_t>(n));
}

json_t* JsonOpenDocument(const char* text, std::size_t length) {
  g_jsonDepth = 0;
  g_jsonCurrent = nullptr;
  json_error_t error;
  json_t* root = text ? json_loadb(text, length, 0, &error) : nullptr;
  if (!root) {
    JsonTrace("PARSE_ERROR: JSON_OPEN\r\n");
    return nullptr;
  }
  g_jsonStack[0] = root;
  g_jsonCurrent = root;
  return root;
}

void JsonCloseDocument(json_t* root) {
  g_jsonCurrent = nullptr;
  g_jsonDepth = 0;
  for (json_t*& slot : g_jsonStack) slot = nullptr;
  json_decref(root);
}

json_t* JsonGetMember(const char* key) {
  if (!key || !json_is_object(g_jsonCurrent)) return nullptr;
  return json_object_get(g_jsonCurrent, key);
}

bool JSON_OBJ_OPEN(const char* key) {
  json_t* next = JsonGetMember(key);
  if (g_jsonDepth + 1 < JSON_NEST_MAX && !next) JsonTrace("JSON_OBJ_OPEN: Unknown - %s\r\n", key);
  return Descend(next, "NEST OVER: JSON_OBJ_OPEN - %s\r\n", key);
}

bool JSON_OBJ_OPEN_MASTER(const char* key) {
  return Descend(JsonGetMember(key), "NEST OVER: JSON_OBJ_OPEN_MASTER - %s\r\n", key);
}

bool JSON_ARRAY_OPEN(const char* key) {
  json_t* next = JsonGetMember(key);
  if (g_jsonDepth + 1 < JSON_NEST_MAX && !next) JsonTrace("JSON_ARRAY_OPEN: Unknown - %s\r\n", key);
  return Descend(next, "NEST OVER: JSON_ARRAY_OPEN - %s\r\n", key);
}

bool JSON_ARRAY_OBJ_OPEN(std::size_t index) {
  // json_array_get is null for anything but an array with more than `index` elements.
  json_t* next = json_array_get(g_jsonCurrent, index);
  if (g_jsonDepth + 1 < JSON_NEST_MAX && !next) JsonTrace("JSON_ARRAY_OBJ_OPEN: Unknown\r\n");
  return Descend(next, "NEST OVER: JSON_ARRAY_OBJ_OPEN\r\n", nullptr);
}

void JSON_CLOSE() {
  if (g_jsonDepth > 0) {
    --g_jsonDepth;
    g_jsonCurrent = g_jsonDepth < JSON_NEST_MAX ? g_jsonStack[g_jsonDepth] : nullptr;
  } else {
    g_jsonCurrent = nullptr;
  }
}

void getINT(const char* key, u8& field, u32 min, u32 max, u32& flags) { ReadInt(key, field, min, max, flags); }
void getINT(const char* key, u16& field, u32 min, u32 max, u32& flags) { ReadInt(key, field, min, max, flags); }
void getINT(const char* key, i16& field, u32 min, u32 max, u32& flags) { ReadInt(key, field, min, max, flags); }
void getINT(const char* key, i32& field, u32 min, u32 max, u32& flags) { ReadInt(key, field, min, max, flags); }
void getINT(const char* key, u32& field, u32 min, u32 max, u32& flags) { ReadInt(key, field, min, max, flags); }

void getNUM(const char* key, f64& field, u32& flags) {
  json_t* value = JsonGetMember(key);
  f64 v;
  if (json_is_real(value)) {
    v = json_real_value(value);
  } else if (json_is_integer(value)) {
    v = static_cast<f64>(json_integer_value(value));
  } else {
    flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getNUM UNKNOWN_TAG: %s\r\n", key);
    return;
  }
  if (!(v >= -1000000.0 && v <= 1000000.0)) {  // a NaN fails too
    flags |= JSON_READ_OUT_OF_RANGE;
    JsonTrace("getNUM out of range: %s\r\n", key);
    return;
  }
  field = v;
}

void getHEX(const char* key, u8& field, std::int64_t min, std::int64_t max, u32& flags) {
  ReadHex(key, field, min, max, flags);
}
void getHEX(const char* key, u16& field, std::int64_t min, std::int64_t max, u32& flags) {
  ReadHex(key, field, min, max, flags);
}
void getHEX(const char* key, u32& field, std::int64_t min, std::int64_t max, u32& flags) {
  ReadHex(key, field, min, max, flags);
}

void getSTR(const char* key, char* field, std::size_t size, u32& flags) {
  json_t* value = JsonGetMember(key);
  if (!json_is_string(value)) {
    flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getSTR UNKNOWN_TAG: %s\r\n", key);
    return;
  }
  if (size == 0) return;
  std::memset(field, 0, size);
  const char* text = json_string_value(value);
  std::size_t n = json_string_length(value);
  if (n > size - 1) {
    // Cut before the character that would not fit whole: never leave a
    // lead byte without its continuation bytes.
    n = size - 1;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  }
  // A text holding "\u0000" ends there, as the field does.
  std::size_t z = 0;
  while (z < n && text[z] != '\0') ++z;
  std::memcpy(field, text, z);
}

void getENUM(const char* key, u32& field, int base, u32& flags) {
  json_t* value = JsonGetMember(key);
  if (!json_is_string(value)) {
    flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getENUM UNKNOWN_TAG: %s\r\n", key);
    return;
  }
  const char* text = json_string_value(value);
  std::size_t length = json_string_length(value);
  for (int i = base < kValueNameFirst ? kValueNameFirst : base; i <= kValueNameLast; ++i) {
    const char* name = ValueNameTable[i];
    if (std::strlen(name) == length && std::memcmp(name, text, length) == 0) {
      field = static_cast<u32>(i - base);
      return;
    }
  }
  flags |= JSON_READ_OUT_OF_RANGE;
  JsonTrace("getENUM out of range: %s\r\n", key);
}

void getAHEX(const char* key, u32* fields, int count, u32& flags) {
  JSON_ARRAY_OPEN(key);
  for (int i = 0; i < count; ++i) {
    json_t* element = json_array_get(g_jsonCurrent, static_cast<std::size_t>(i));
    if (!json_is_string(element)) {
      flags |= JSON_READ_UNKNOWN_TAG;
      JsonTrace("getAHEX UNKNOWN_ARRAY: %d\r\n", i);
      continue;
    }
    fields[i] = static_cast<u32>(static_cast<std::uint64_t>(JsonParseHex(json_string_value(element))));
  }
  JSON_CLOSE();
}

void getALONG(std::size_t index, u8& field, u32& flags) { ReadArrayLong(index, field, flags); }
void getALONG(std::size_t index, u16& field, u32& flags) { ReadArrayLong(index, field, flags); }

std::int64_t JsonParseHex(const char* text) {
  const char* p = text;
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  unsigned digit;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && IsHexDigit(p[2], digit)) p += 2;
  std::uint64_t magnitude = 0;
  bool overflow = false;
  for (; IsHexDigit(*p, digit); ++p) {
    if (magnitude > (std::numeric_limits<std::uint64_t>::max() >> 4)) overflow = true;
    magnitude = (magnitude << 4) | digit;
  }
  constexpr std::uint64_t kMinMagnitude = std::uint64_t{1} << 63;
  if (negative) {
    if (overflow || magnitude >= kMinMagnitude) return std::numeric_limits<std::int64_t>::min();
    return -static_cast<std::int64_t>(magnitude);
  }
  if (overflow || magnitude >= kMinMagnitude) return std::numeric_limits<std::int64_t>::max();
  return static_cast<std::int64_t>(magnitude);
}

}  // namespace kt
