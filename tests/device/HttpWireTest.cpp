// The client against a fake device on 127.0.0.1: what goes on the wire, and
// what each kind of answer gives.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "DeviceTestFixture.h"

using namespace kt;
using kt::test::FakeDevice;
using kt::test::FakeResponse;
using kt::test::RecordedRequest;

namespace {

constexpr char kAuthorization[] = "Basic YWRtaW46cGFzc18x";  // admin:pass_1

class HttpWire : public kt::test::DeviceTest {
 protected:
  // Headers every request carries, and those it never does.
  void ExpectCommonHeaders(const RecordedRequest& r) {
    EXPECT_EQ(r.HeaderCount("Authorization"), 1u);
    EXPECT_EQ(r.Header("Authorization"), kAuthorization);
    EXPECT_EQ(r.Header("User-Agent"), "KT2057CFG");
    EXPECT_EQ(r.Header("Host"), "127.0.0.1:" + std::to_string(device.Port()));
    EXPECT_FALSE(r.HasHeader("Expect"));
    EXPECT_FALSE(r.HasHeader("Transfer-Encoding"));
    EXPECT_FALSE(r.HasHeader("Accept-Encoding"));
    EXPECT_FALSE(r.HasHeader("Cookie"));
  }
};

TEST_F(HttpWire, EveryGetOfTheRequestTable) {
  const struct {
    const char* path;
    const char* query;
    bool prompt;
    bool command;  // through HttpGetCommand
  } rows[] = {
      {"/config.json", "?type=config", true, false},
      {"/info.json", "", true, false},
      {"/status.json", "", true, false},
      {"/status.json", "?rec=stop", false, true},
      {"/status.json", "?rec=triger", false, true},
      {"/sdinfo.json", "", true, false},
      {"/trend_clear.json", "?clear=enable", true, true},
      {"/ftpc.json", "?type=test", true, true},
      {"/mail.json", "", true, false},
      {"/mail.json", "?form=3", false, true},
      {"/adjust_time.json", "", true, true},
      {"/adjust_time.json", "?year=2024&mon=2&day=29&hour=23&min=59&sec=7", false, true},
      {"/log_system.json", "", true, false},
      {"/log_com.json", "", true, false},
      {"/log_event.json", "", true, false},
      {"/log_event.json", "?clear=enable", false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.path) + row.query);
    device.ClearRequests();
    device.SetDefault(FakeResponse::Ok(std::string("{\"path\":\"") + row.path + "\"}"));
    logins = 0;
    events.clear();

    QByteArray body("stale");
    const HttpResult result = row.command ? HttpGetCommand(Q(row.path), Q(row.query), row.prompt)
                                          : HttpGet(Q(row.path), Q(row.query), row.prompt, body);
    EXPECT_EQ(result, HTTP_RESULT_OK);
    if (!row.command) {
      EXPECT_EQ(S(body), std::string("{\"path\":\"") + row.path + "\"}");
    }
    EXPECT_EQ(logins, row.prompt ? 1 : 0);
    EXPECT_EQ(events, (std::vector<std::string>{"begin", "end"}));

    const auto requests = device.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const RecordedRequest& r = requests[0];
    EXPECT_EQ(r.method, "GET");
    EXPECT_EQ(r.target, std::string(row.path) + row.query);
    EXPECT_EQ(r.path, row.path);
    EXPECT_EQ(r.query, row.query);
    EXPECT_TRUE(r.body.empty());
    EXPECT_FALSE(r.HasHeader("Content-Type"));
    ExpectCommonHeaders(r);
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(HttpWire, PostSendsTheConfigurationWhole) {
  // A small document with UTF-8 text, and one over a megabyte (where an
  // HTTP client would otherwise start asking for 100-continue).
  std::string small =
      "{\"AI\":[{\"NAME\":\"Temp \xc2\xb0"
      "C\"}]}";
  std::string large(2 * 1024 * 1024 + 17, 'x');
  large.front() = '{';
  large.back() = '}';
  for (const std::string* document : {&small, &large}) {
    SCOPED_TRACE(document->size());
    device.ClearRequests();
    logins = 0;
    device.SetDefault(FakeResponse::Ok("OK"));
    QByteArray answer;
    EXPECT_EQ(HttpPostConfig(Q("?type=config"), document->data(), static_cast<int>(document->size()), answer),
              HTTP_RESULT_OK);
    EXPECT_EQ(S(answer), "OK");
    EXPECT_EQ(logins, 1);

    const auto requests = device.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const RecordedRequest& r = requests[0];
    EXPECT_EQ(r.method, "POST");
    EXPECT_EQ(r.target, "/config.json?type=config");
    EXPECT_EQ(r.HeaderCount("Content-Type"), 1u);
    EXPECT_EQ(r.Header("Content-Type"), "application/json; charset=utf-8");
    EXPECT_EQ(r.HeaderCount("Content-Length"), 1u);
    EXPECT_EQ(r.Header("Content-Length"), std::to_string(document->size()));
    EXPECT_TRUE(r.body == *document);
    ExpectCommonHeaders(r);
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(HttpWire, PostAnswerPiecesEndAtTheirFirstZeroByte) {
  // Pieces of 1023 bytes: [0,1023) holds a zero at 10, [1023,2046) one at
  // 1100, [2046,2500) none.
  std::string reply(2500, 'a');
  reply[10] = '\0';
  reply[1100] = '\0';
  device.SetDefault(FakeResponse::Ok(reply));
  QByteArray answer;
  const char document[] = "{}";
  ASSERT_EQ(HttpPostConfig(Q("?type=config"), document, 2, answer), HTTP_RESULT_OK);
  const std::string expected = reply.substr(0, 10) + reply.substr(1023, 1100 - 1023) + reply.substr(2046);
  EXPECT_EQ(S(answer), expected);
}

TEST_F(HttpWire, PostResultsAndRefusals) {
  const char document[] = "{\"MODEL\":\"KT2057\"}";
  const int length = static_cast<int>(sizeof document - 1);

  device.SetDefault(FakeResponse::Status(401));
  QByteArray answer;
  EXPECT_EQ(HttpPostConfig(Q("?type=config"), document, length, answer), HTTP_RESULT_UNAUTHORIZED);
  device.SetDefault(FakeResponse::Status(500).WithBody("oops"));
  EXPECT_EQ(HttpPostConfig(Q("?type=config"), document, length, answer), HTTP_RESULT_BAD_STATUS);
  EXPECT_EQ(device.RequestCount(), 2u);
  EXPECT_TRUE(messages.empty());

  // Cancelled login: nothing sent, answer untouched.
  loginAnswer = false;
  answer = "untouched";
  EXPECT_EQ(HttpPostConfig(Q("?type=config"), document, length, answer), HTTP_RESULT_LOGIN_CANCELLED);
  EXPECT_EQ(S(answer), "untouched");
  EXPECT_EQ(device.RequestCount(), 2u);

  // A negative length is refused rather than sent as an empty configuration.
  loginAnswer = true;
  EXPECT_EQ(HttpPostConfig(Q("?type=config"), document, -1, answer), HTTP_RESULT_CONNECTION_ERROR);
  EXPECT_EQ(device.RequestCount(), 2u);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(HttpWire, LoginPromptEveryTimeAndCancelSendsNothing) {
  QByteArray body;
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), true, body), HTTP_RESULT_OK);
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), true, body), HTTP_RESULT_OK);
  EXPECT_EQ(logins, 2);
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), false, body), HTTP_RESULT_OK);
  EXPECT_EQ(logins, 2);
  EXPECT_EQ(device.RequestCount(), 3u);

  loginAnswer = false;
  events.clear();
  body = "kept";
  EXPECT_EQ(HttpGet(Q("/config.json"), Q("?type=config"), true, body), HTTP_RESULT_LOGIN_CANCELLED);
  EXPECT_EQ(HttpGetCommand(Q("/trend_clear.json"), Q("?clear=enable"), true), HTTP_RESULT_LOGIN_CANCELLED);
  EXPECT_EQ(logins, 4);
  EXPECT_EQ(S(body), "kept");
  EXPECT_EQ(device.RequestCount(), 3u);
  EXPECT_TRUE(events.empty());  // no wait cursor, no box
}

TEST_F(HttpWire, TheLoginDialogsValuesAreUsedAtOnce) {
  // The dialog stores what the user typed; the request must carry it.
  onLogin = [this] {
    connection.m_strLoginId.clear();
    connection.m_strPassword.clear();
  };
  QByteArray body;
  ASSERT_EQ(HttpGet(Q("/info.json"), Q(""), true, body), HTTP_RESULT_OK);
  ASSERT_EQ(device.RequestCount(), 1u);
  EXPECT_EQ(device.Requests()[0].Header("Authorization"), "Basic Og==");
}

TEST_F(HttpWire, WithoutALoginDialogAPromptCountsAsCancelled) {
  DeviceHooks none;
  none.showMessage = [this](const QString& text, MessageIcon icon) { messages.push_back({text, icon}); };
  ScopedDeviceHooks scoped(none);
  QByteArray body("kept");
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), true, body), HTTP_RESULT_LOGIN_CANCELLED);
  EXPECT_EQ(S(body), "kept");
  EXPECT_EQ(device.RequestCount(), 0u);
}

TEST_F(HttpWire, GzipIsInflatedWhateverTheLetterCase) {
  // Zero bytes inside the document stay: the body keeps its inflated length.
  const std::string document = std::string("{\"LOG\":\"a\0b\"}", 14);
  const std::string gz = FakeDevice::Gzip(document);
  const struct {
    const char* encoding;
    bool inflated;
  } cases[] = {
      {"gzip", true},     {"GZIP", true},      {"Gzip", true},      {"x-gzip", false},
      {"deflate", false}, {"identity", false}, {"gzip, br", false}, {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.encoding);
    device.SetDefault(FakeResponse::Ok(gz).WithEncoding(c.encoding));
    QByteArray body;
    ASSERT_EQ(HttpGet(Q("/config.json"), Q("?type=config"), false, body), HTTP_RESULT_OK);
    EXPECT_TRUE(S(body) == (c.inflated ? document : gz));
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(HttpWire, GzipBoundAndBrokenStreams) {
  const std::size_t limit = kHttpBodyLimit;
  const struct {
    const char* name;
    std::string gz;
    HttpResult result;
    std::size_t length;
  } cases[] = {
      {"4 MiB - 1", FakeDevice::Gzip(std::string(limit - 1, 'x')), HTTP_RESULT_OK, limit - 1},
      {"4 MiB", FakeDevice::Gzip(std::string(limit, 'x')), HTTP_RESULT_UNCOMPRESS_FAILED, 0},
      {"empty document", FakeDevice::Gzip(""), HTTP_RESULT_OK, 0},
      {"not gzip", "{\"plain\":true}", HTTP_RESULT_UNCOMPRESS_FAILED, 0},
      {"cut short", FakeDevice::Gzip(std::string(5000, 'y')).substr(0, 20), HTTP_RESULT_UNCOMPRESS_FAILED, 0},
      {"empty body", "", HTTP_RESULT_UNCOMPRESS_FAILED, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    device.SetDefault(FakeResponse::Ok(c.gz).WithEncoding("gzip"));
    QByteArray body("stale");
    EXPECT_EQ(HttpGet(Q("/log_event.json"), Q(""), false, body), c.result);
    EXPECT_EQ(static_cast<std::size_t>(body.size()), c.length);
    if (c.length) {
      EXPECT_EQ(body.count('x'), static_cast<qsizetype>(c.length));
    }
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(HttpWire, PlainBodyBound) {
  std::string exact(kHttpBodyLimit, 'z');
  exact[100] = '\0';  // a zero byte does not end the body
  device.SetDefault(FakeResponse::Ok(exact));
  QByteArray body;
  ASSERT_EQ(HttpGet(Q("/log_event.json"), Q(""), false, body), HTTP_RESULT_OK);
  EXPECT_TRUE(S(body) == exact);

  device.SetDefault(FakeResponse::Ok(std::string(kHttpBodyLimit + 1, 'z')));
  EXPECT_EQ(HttpGet(Q("/log_event.json"), Q(""), false, body), HTTP_RESULT_BAD_STATUS);
  EXPECT_TRUE(body.isEmpty());
  device.SetDefault(FakeResponse::Ok(std::string(kHttpBodyLimit + 1, 'z')).WithEncoding("gzip"));
  EXPECT_EQ(HttpGet(Q("/log_event.json"), Q(""), false, body), HTTP_RESULT_UNCOMPRESS_FAILED);
  EXPECT_TRUE(body.isEmpty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(HttpWire, StatusCodes) {
  const struct {
    FakeResponse response;
    HttpResult result;
  } cases[] = {
      {FakeResponse::Status(200), HTTP_RESULT_OK},
      {FakeResponse::Status(401).WithBody("login"), HTTP_RESULT_UNAUTHORIZED},
      {FakeResponse::Status(404).WithBody("not found"), HTTP_RESULT_BAD_STATUS},
      {FakeResponse::Status(302).WithHeader("Location", "/elsewhere.json"), HTTP_RESULT_BAD_STATUS},
      {FakeResponse::Status(301).WithHeader("Location", "http://127.0.0.1:1/"), HTTP_RESULT_BAD_STATUS},
      {FakeResponse::Status(500).WithBody(std::string(100000, 'e')), HTTP_RESULT_BAD_STATUS},
      {FakeResponse::Status(204), HTTP_RESULT_BAD_STATUS},
      {FakeResponse::Status(401).WithBody(FakeDevice::Gzip("x")).WithEncoding("gzip"), HTTP_RESULT_UNAUTHORIZED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.response.status);
    device.ClearRequests();
    device.SetDefault(c.response);
    QByteArray body("stale");
    EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), false, body), c.result);
    EXPECT_TRUE(body.isEmpty());
    EXPECT_EQ(device.RequestCount(), 1u);  // no redirect followed
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(HttpWire, ClosedPortIsOneTransportErrorAfterTheCursor) {
  connection.m_nPort = FakeDevice::ClosedPort();
  QByteArray body("stale");
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), true, body), HTTP_RESULT_CONNECTION_ERROR);
  EXPECT_TRUE(body.isEmpty());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
  EXPECT_FALSE(messages[0].text.isEmpty());
  EXPECT_EQ(events, (std::vector<std::string>{"begin", "end", "message"}));

  messages.clear();
  QByteArray answer;
  EXPECT_EQ(HttpPostConfig(Q("?type=config"), "{}", 2, answer), HTTP_RESULT_CONNECTION_ERROR);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(HttpWire, SilentDeviceTimesOut) {
  HttpClientTimeouts().stall = std::chrono::seconds(1);
  device.SetDefault(FakeResponse().Silent());
  const auto start = std::chrono::steady_clock::now();
  QByteArray body;
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), false, body), HTTP_RESULT_CONNECTION_ERROR);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
  EXPECT_EQ(device.RequestCount(), 1u);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MessageIcon::Warning);

  // A device that is slow but within the time-out is fine.
  device.SetDefault(FakeResponse::Ok("{}").WithDelay(std::chrono::milliseconds(300)));
  EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), false, body), HTTP_RESULT_OK);
  EXPECT_EQ(S(body), "{}");
}

// Headers, then two bytes a second: the stall rule never trips, the overall
// deadline does, for a GET and for an upload alike.
TEST_F(HttpWire, TricklingDeviceEndsAtTheOverallDeadline) {
  HttpClientTimeouts().stall = std::chrono::seconds(2);
  HttpClientTimeouts().total = std::chrono::milliseconds(1500);
  device.SetDefault(FakeResponse::Ok(std::string(100, ' ')).WithTrickle(std::chrono::milliseconds(500)));
  for (const bool post : {false, true}) {
    SCOPED_TRACE(post ? "POST" : "GET");
    messages.clear();
    events.clear();
    const auto start = std::chrono::steady_clock::now();
    QByteArray body("stale");
    const HttpResult result = post ? HttpPostConfig(Q("?type=config"), "{}", 2, body)
                                   : HttpGet(Q("/config.json"), Q("?type=config"), false, body);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result, HTTP_RESULT_CONNECTION_ERROR);
    EXPECT_GE(took, std::chrono::milliseconds(1400));
    EXPECT_LT(took, std::chrono::seconds(4));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(messages[0].text.isEmpty());
    EXPECT_EQ(events, (std::vector<std::string>{"begin", "end", "message"}));
  }
}

TEST_F(HttpWire, TheAddressIsOnlyEverTheHost) {
  const char* refused[] = {
      "127.0.0.1/evil",
      "user@127.0.0.1",
      "admin:x@127.0.0.1",
      "127.0.0.1:1",
      "127.0.0.1?type=x",
      "127.0.0.1#x",
      "http://127.0.0.1",
      "127.0.0.1/../x",
      "127.0.0.1\r\nX-Evil: 1",
      "",
      "1.2.3",
  };
  for (const char* address : refused) {
    SCOPED_TRACE(address);
    connection.m_strAddress = Q(address);
    messages.clear();
    QByteArray body("stale");
    EXPECT_EQ(HttpGet(Q("/config.json"), Q("?type=config"), false, body), HTTP_RESULT_CONNECTION_ERROR);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(Q(address).trimmed())) << messages[0].text.toStdString();
  }
  EXPECT_EQ(device.RequestCount(), 0u);

  // Forms of 127.0.0.1 that are accepted reach it with the request unchanged.
  for (const char* address : {" 127.0.0.1 ", "127.000.000.001"}) {
    SCOPED_TRACE(address);
    connection.m_strAddress = Q(address);
    device.ClearRequests();
    QByteArray body;
    EXPECT_EQ(HttpGet(Q("/config.json"), Q("?type=config"), false, body), HTTP_RESULT_OK);
    ASSERT_EQ(device.RequestCount(), 1u);
    EXPECT_EQ(device.Requests()[0].target, "/config.json?type=config");
    EXPECT_EQ(device.Requests()[0].Header("Authorization"), kAuthorization);
  }
}

TEST_F(HttpWire, PortOutOfRangeIsRefused) {
  for (int port : {0, -1, 65536, 1 << 20}) {
    SCOPED_TRACE(port);
    connection.m_nPort = port;
    messages.clear();
    QByteArray body;
    EXPECT_EQ(HttpGet(Q("/info.json"), Q(""), false, body), HTTP_RESULT_CONNECTION_ERROR);
    EXPECT_EQ(messages.size(), 1u);
  }
  EXPECT_EQ(device.RequestCount(), 0u);
}

}  // namespace
