#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "ConfigDocumentSchema.h"
#include "ValueNames.h"

namespace kt {

namespace {

// The escape of byte c, or nullptr when c is copied as it is. `spare` holds
// the \u00xx form.
inline const char* EscapeOf(unsigned char c, char (&spare)[7], std::size_t& length) {
  switch (c) {
    case '"': length = 2; return "\\\"";
    case '\\': length = 2; return "\\\\";
    case '/': length = 2; return "\\/";
    case 0x08: length = 2; return "\\b";
    case 0x0C: length = 2; return "\\f";
    case 0x0A: length = 2; return "\\n";
    case 0x0D: length = 2; return "\\r";
    case 0x09: length = 2; return "\\t";
    default: break;
  }
  if (c >= 0x20) return nullptr;
  static constexpr char kHex[] = "0123456789abcdef";
  spare[0] = '\\';
  spare[1] = 'u';
  spare[2] = '0';
  spare[3] = '0';
  spare[4] = kHex[c >> 4];
  spare[5] = kHex[c & 0xF];
  spare[6] = '\0';
  length = 6;
  return spare;
}

inline bool NeedsEscape(unsigned char c) { return c < 0x20 || c == '"' || c == '\\' || c == '/'; }

// Escapes at most `length` bytes of `text` (stopping at a zero byte) into
// dst[0..room); never splits an escape. Returns the bytes written.
std::size_t EscapeInto(char* dst, std::size_t room, const char* text, std::size_t length) {
  std::size_t out = 0;
  std::size_t i = 0;
  while (i < length) {
    // Copy the run of bytes that need no escape in one go.
    std::size_t run = i;
    while (run < length && text[run] != '\0' && !NeedsEscape(static_cast<unsigned char>(text[run]))) ++run;
    std::size_t n = run - i;
    if (n > room - out) n = room - out;
    std::memcpy(dst + out, text + i, n);
    out += n;
    i += n;
    if (i < run || i >= length || text[i] == '\0') break;
    char spare[7];
    std::size_t escLength = 0;
    const char* esc = EscapeOf(static_cast<unsigned char>(text[i]), spare, escLength);
    if (escLength > room - out) break;
    std::memcpy(dst + out, esc, escLength);
    out += escLength;
    ++i;
  }
  return out;
}

// ---- the writer's output (module state: one document at a time) ----

char* s_out = nullptr;
std::size_t s_pos = 0;
std::size_t s_limit = 0;  // the last byte is kept for the terminating zero

inline void Put(const char* text, std::size_t length) {
  std::size_t room = s_limit - s_pos;
  if (length > room) length = room;
  std::memcpy(s_out + s_pos, text, length);
  s_pos += length;
}

inline void Put(char c) {
  if (s_pos < s_limit) s_out[s_pos++] = c;
}

template <std::size_t N>
inline void PutLiteral(const char (&text)[N]) {
  Put(text, N - 1);
}

inline void PutKey(const char* key) {
  Put('"');
  Put(key, std::strlen(key));
  PutLiteral("\":");
}

// Steps back over a trailing comma, then closes the container with `bracket`
// and a comma of its own.
void Close(char bracket) {
  if (s_pos != 0) {
    --s_pos;
    if (s_out[s_pos] != ',') ++s_pos;
  }
  Put(bracket);
  Put(',');
}

void PutText(const char* text, std::size_t width) {
  Put('"');
  s_pos += EscapeInto(s_out + s_pos, s_limit - s_pos, text, width);
  Put('"');
}

template <class T>
void PutDecimal(T value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  Put(digits, static_cast<std::size_t>(result.ptr - digits));
}

template <class T>
void PutHexDigits(T value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value, 16);  // lower case
  PutLiteral("\"0x");
  Put(digits, static_cast<std::size_t>(result.ptr - digits));
  Put('"');
}

void PutReal(f64 value) {
  if (!std::isfinite(value)) {
    PutLiteral("0.000");
    return;
  }
  char digits[400];  // the longest double in fixed notation with 3 decimals is 314 characters
  auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 3);
  Put(digits, static_cast<std::size_t>(result.ptr - digits));
}

struct Writer {
  template <class Body>
  void Object(const char* key, Body body) {
    PutKey(key);
    Put('{');
    body();
    Close('}');
  }

  template <class Body>
  void Master(const char* key, Body body) {
    Object(key, body);
  }

  template <class Body>
  void Array(const char* key, int count, Body body) {
    PutKey(key);
    Put('[');
    for (int i = 0; i < count; ++i) {
      Put('{');
      body(i);
      Close('}');
    }
    Close(']');
  }

  template <std::size_t N>
  void Str(const char* key, const char (&text)[N]) {
    PutKey(key);
    PutText(text, N);  // stops at the zero byte, or at the field's end without one
    Put(',');
  }

  void Enum(const char* key, u32 value, int base) {
    PutKey(key);
    // A value past the table has no name; it is written as "", which no
    // reader accepts, rather than reading outside the table.
    const char* name = ValueName(static_cast<long long>(base) + value);
    PutText(name ? name : "", name ? std::strlen(name) : 0);
    Put(',');
  }

  template <class T>
  void Int(const char* key, T value, u32, u32) {
    PutKey(key);
    PutDecimal(value);
    Put(',');
  }

  void Num(const char* key, f64 value) {
    PutKey(key);
    PutReal(value);
    Put(',');
  }

  template <class T>
  void Hex(const char* key, T value, std::int64_t, std::int64_t) {
    PutKey(key);
    PutHexDigits(value);
    Put(',');
  }

  void Ahex(const char* key, const u32* values, int count) {
    PutKey(key);
    Put('[');
    for (int i = 0; i < count; ++i) {
      PutHexDigits(values[i]);
      Put(',');
    }
    Close(']');
  }
};

}  // namespace

const char* JsonEscapeString(const char* text) {
  static char area[1024];
  std::size_t n = text ? EscapeInto(area, sizeof area - 1, text, static_cast<std::size_t>(-1)) : 0;
  area[n] = '\0';
  return area;
}

int JsonWriteConfig(const DeviceConfig* config, char* buffer, std::size_t capacity) {
  if (!buffer || capacity == 0) return 0;
  s_out = buffer;
  s_pos = 0;
  s_limit = capacity - 1;

  Put('{');
  PutKey("CONFIG_TAG");
  PutText("KT2057", 6);
  Put(',');
  Writer writer;
  schema::VisitConfigDocument(writer, *config);

  // Step back over the last comma and close the root.
  if (s_pos != 0) {
    --s_pos;
    if (s_out[s_pos] != ',') ++s_pos;
  }
  Put('}');
  s_out[s_pos] = '\0';
  int length = static_cast<int>(s_pos);
  s_out = nullptr;
  s_pos = 0;
  s_limit = 0;
  return length;
}

}  // namespace kt
