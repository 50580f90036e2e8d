// A fake KT2057 for tests: a real HTTP server on 127.0.0.1 (an ephemeral
// port), run by cpp-httplib on its own threads inside the test process. It
// records every request exactly as it arrived and answers as the test says.
//
//   kt::test::FakeDevice device;                       // listening at once
//   device.SetResponse("/info.json", FakeResponse::Ok(R"({"MODEL":"KT2057"})"));
//   ... point the client at 127.0.0.1 : device.Port() and call it ...
//   ASSERT_EQ(device.RequestCount(), 1u);
//   EXPECT_EQ(device.Requests()[0].query, "?type=config");
//
// The answer to a request is, in this order: the handler's, the response set
// for its path (path without the query), the default response (200, empty).
// Silent or delayed answers hold one of the server's worker threads (at
// least eight) until they end; the destructor releases them all.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
}

namespace kt::test {

// One request as the device received it.
struct RecordedRequest {
  std::string method;                                        // "GET", "POST"
  std::string target;                                        // the request line's target, as sent: path + query
  std::string path;                                          // target up to "?", not decoded
  std::string query;                                         // from "?" on, as sent ("" when there is none)
  std::vector<std::pair<std::string, std::string>> headers;  // names as sent
  std::string body;

  // Header lookups; names compare without regard to letter case.
  std::size_t HeaderCount(std::string_view name) const;
  bool HasHeader(std::string_view name) const { return HeaderCount(name) != 0; }
  std::string Header(std::string_view name) const;  // first value, or ""
};

// How the device answers one request.
struct FakeResponse {
  int status = 200;
  std::string body;
  std::string contentType = "application/json";
  std::string contentEncoding;                               // no header when empty
  std::vector<std::pair<std::string, std::string>> headers;  // more, e.g. {"Location", "..."}
  std::chrono::milliseconds delay{0};                        // wait before answering
  bool silent = false;                                       // never answer: hold the request until the device stops
  std::chrono::milliseconds trickle{0};  // after the headers, one byte of the body per this interval

  // Chained construction: FakeResponse::Ok("{}").WithEncoding("gzip").
  static FakeResponse Ok(std::string body) { return FakeResponse().WithBody(std::move(body)); }
  static FakeResponse Status(int code) { return FakeResponse().WithStatus(code); }
  FakeResponse WithStatus(int code) const {
    auto r = *this;
    r.status = code;
    return r;
  }
  FakeResponse WithBody(std::string text) const {
    auto r = *this;
    r.body = std::move(text);
    return r;
  }
  FakeResponse WithContentType(std::string type) const {
    auto r = *this;
    r.contentType = std::move(type);
    return r;
  }
  FakeResponse WithEncoding(std::string encoding) const {
    auto r = *this;
    r.contentEncoding = std::move(encoding);
    return r;
  }
  FakeResponse WithHeader(std::string name, std::string value) const {
    auto r = *this;
    r.headers.emplace_back(std::move(name), std::move(value));
    return r;
  }
  FakeResponse WithDelay(std::chrono::milliseconds wait) const {
    auto r = *this;
    r.delay = wait;
    return r;
  }
  FakeResponse Silent() const {
    auto r = *this;
    r.silent = true;
    return r;
  }
  FakeResponse WithTrickle(std::chrono::milliseconds everyByte) const {
    auto r = *this;
    r.trickle = everyByte;
    return r;
  }
};

class FakeDevice {
 public:
  using Handler = std::function<FakeResponse(const RecordedRequest&)>;

  FakeDevice();   // listens on 127.0.0.1 before it returns
  ~FakeDevice();  // releases held requests, stops and joins
  FakeDevice(const FakeDevice&) = delete;
  FakeDevice& operator=(const FakeDevice&) = delete;

  int Port() const { return m_port; }
  static constexpr const char* kAddress = "127.0.0.1";

  void SetDefault(FakeResponse response);
  void SetResponse(const std::string& path, FakeResponse response);
  void SetHandler(Handler handler);  // takes precedence; an empty one clears it

  std::vector<RecordedRequest> Requests() const;
  std::size_t RequestCount() const;
  void ClearRequests();

  // A gzip member (RFC 1952) holding `data`.
  static std::string Gzip(std::string_view data);

  // A port on 127.0.0.1 on which nothing listens (bound and released a
  // moment ago).
  static int ClosedPort();

 private:
  FakeResponse Answer(const RecordedRequest& request);

  std::unique_ptr<httplib::Server> m_server;
  std::thread m_thread;
  int m_port = 0;

  mutable std::mutex m_mutex;
  std::condition_variable m_wake;
  bool m_stopping = false;
  std::vector<RecordedRequest> m_requests;
  std::map<std::string, FakeResponse> m_responses;
  FakeResponse m_default;
  Handler m_handler;
};

}  // namespace kt::test
