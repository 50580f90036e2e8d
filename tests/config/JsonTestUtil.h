// Helpers shared by the document tests.
#pragma once

#include <jansson.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "DeviceConfig.h"
#include "JsonCursor.h"
#include "JsonWriter.h"

namespace kt::test {

inline std::string ReadDataFile(const std::string& relative) {
  std::ifstream in(std::string(KT_TEST_DATA_DIR) + "/" + relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Collects the trace lines of the readers while alive.
class TraceCapture {
 public:
  TraceCapture() { JsonSetTraceSink(&TraceCapture::Sink, this); }
  ~TraceCapture() { JsonSetTraceSink(nullptr, nullptr); }
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;

  const std::string& text() const { return text_; }
  void clear() { text_.clear(); }

 private:
  static void Sink(void* context, const char* line, std::size_t length) {
    static_cast<TraceCapture*>(context)->text_.append(line, length);
  }
  std::string text_;
};

// Lines written as "a\nb\n" become the "\r\n" lines the readers write.
inline std::string CrLf(const std::string& lines) {
  std::string out;
  for (char c : lines) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

inline std::unique_ptr<DeviceConfig> Defaults() {
  auto c = std::make_unique<DeviceConfig>();
  InitDeviceConfig(c.get());
  return c;
}

inline std::string WriteDocument(const DeviceConfig& config) {
  std::vector<char> buffer(kJsonConfigBufferSize, '\xAA');
  int length = JsonWriteConfig(&config, buffer.data());
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

struct JsonDeleter {
  void operator()(json_t* j) const { json_decref(j); }
};
using JsonPtr = std::unique_ptr<json_t, JsonDeleter>;

// Parsed copy of a document, to be changed by a test and dumped again.
inline JsonPtr Parse(const std::string& text) {
  json_error_t error;
  return JsonPtr(json_loadb(text.data(), text.size(), JSON_DECODE_ANY, &error));
}

inline std::string Dump(const json_t* value) {
  char* text = json_dumps(value, JSON_COMPACT | JSON_PRESERVE_ORDER | JSON_ENCODE_ANY);
  std::string out = text ? text : "";
  free(text);
  return out;
}

}  // namespace kt::test
