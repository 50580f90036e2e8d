#include "JsonReadConfig.h"

#include <cstring>

#include "ConfigDocumentSchema.h"

namespace kt {

namespace {

constexpr char kModelName[] = "KT2057";

struct Reader {
  u32 flags = 0;

  template <class Body>
  void Object(const char* key, Body body) {
    JSON_OBJ_OPEN(key);
    body();
    JSON_CLOSE();
  }

  template <class Body>
  void Master(const char* key, Body body) {
    if (JSON_OBJ_OPEN_MASTER(key)) body();
    JSON_CLOSE();
  }

  template <class Body>
  void Array(const char* key, int count, Body body) {
    JSON_ARRAY_OPEN(key);
    for (int i = 0; i < count; ++i) {
      JSON_ARRAY_OBJ_OPEN(static_cast<std::size_t>(i));
      body(i);
      JSON_CLOSE();
    }
    JSON_CLOSE();
  }

  template <std::size_t N>
  void Str(const char* key, char (&field)[N]) {
    getSTR(key, field, flags);
  }
  void Enum(const char* key, u32& field, int base) { getENUM(key, field, base, flags); }
  template <class T>
  void Int(const char* key, T& field, u32 min, u32 max) {
    getINT(key, field, min, max, flags);
  }
  void Num(const char* key, f64& field) { getNUM(key, field, flags); }
  template <class T>
  void Hex(const char* key, T& field, std::int64_t min, std::int64_t max) {
    getHEX(key, field, min, max, flags);
  }
  void Ahex(const char* key, u32* fields, int count) { getAHEX(key, fields, count, flags); }
};

}  // namespace

u32 JsonReadConfig(DeviceConfig* config, const char* text, std::size_t length, char* errorText) {
  if (errorText) errorText[0] = '\0';
  json_t* root = JsonOpenDocument(text, length);
  if (!root) return JSON_READ_PARSE_ERROR;

  Reader reader;
  // The model tag: its first 6 bytes must be the model name; more may follow.
  char tag[8] = {};
  json_t* tagValue = JsonGetMember("CONFIG_TAG");
  if (json_is_string(tagValue)) {
    std::size_t n = json_string_length(tagValue);
    std::memcpy(tag, json_string_value(tagValue), n < 7 ? n : 7);
  } else {
    reader.flags |= JSON_READ_UNKNOWN_TAG;
    JsonTrace("getSTR UNKNOWN_TAG: %s\r\n", "CONFIG_TAG");
  }
  if (std::memcmp(tag, kModelName, 6) != 0) {
    JsonCloseDocument(root);
    return reader.flags | JSON_READ_OUT_OF_RANGE;
  }

  schema::VisitConfigDocument(reader, *config);
  JsonCloseDocument(root);
  return reader.flags;
}

}  // namespace kt
