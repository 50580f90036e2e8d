#include "HttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string_view>

#include "ConnectionSettings.h"
#include "WaitLoop.h"

namespace kt {

const QString g_strHttpResultMessages[6] = {
    QStringLiteral("Completed."),          QStringLiteral("Failed in sending."),
    QStringLiteral("Failed Login."),       QStringLiteral("uncompress failed."),
    QStringLiteral("Compression failed."), QStringLiteral("Failed to get a valid response from the server."),
};

const QString g_strConversionFailed[1] = {
    QStringLiteral("Failed in conversion."),
};

HttpTimeouts& HttpClientTimeouts() {
  static HttpTimeouts timeouts;
  return timeouts;
}

namespace {

constexpr char kUserAgent[] = "KT2057CFG";
constexpr std::size_t kPostAnswerPiece = 1023;

struct CurlEasyDeleter {
  void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct CurlUrlDeleter {
  void operator()(CURLU* u) const { curl_url_cleanup(u); }
};
struct CurlListDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;
using CurlUrl = std::unique_ptr<CURLU, CurlUrlDeleter>;
using CurlList = std::unique_ptr<curl_slist, CurlListDeleter>;

void EnsureCurlGlobal() {
  // Once per process, before the first handle; libcurl's own global state.
  static const CURLcode init = curl_global_init(CURL_GLOBAL_DEFAULT);
  (void)init;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// One request as it goes on the wire. The body is a copy: the transfer runs
// on a worker thread and touches nothing of the caller's.
struct Request {
  bool post = false;
  QString object;  // path + query
  QByteArray body;
};

// What came back (when the transport worked).
struct Reply {
  CURL* curl = nullptr;
  long status = 0;
  bool haveEncoding = false;  // a Content-Encoding header was present
  std::string contentEncoding;
  QByteArray body;
  bool overflow = false;  // 200 with a body over kHttpBodyLimit: reading stopped
  bool dropped = false;   // a status whose body nobody reads: reading stopped
};

std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t count, void* user) {
  auto* reply = static_cast<Reply*>(user);
  const std::size_t length = size * count;
  const std::string_view line(data, length);
  if (line.starts_with("HTTP/")) {
    // A new response begins (an interim one may come first): forget the
    // previous one's headers.
    reply->haveEncoding = false;
    reply->contentEncoding.clear();
  } else if (!reply->haveEncoding) {
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && EqualsIgnoreCase(Trim(line.substr(0, colon)), "Content-Encoding")) {
      reply->haveEncoding = true;
      reply->contentEncoding = std::string(Trim(line.substr(colon + 1)));
    }
  }
  return length;
}

std::size_t OnBodyData(char* data, std::size_t size, std::size_t count, void* user) {
  auto* reply = static_cast<Reply*>(user);
  const std::size_t length = size * count;
  long status = 0;
  curl_easy_getinfo(reply->curl, CURLINFO_RESPONSE_CODE, &status);
  if (status != 200) {
    reply->dropped = true;
    return 0;  // stops the transfer; the status alone decides
  }
  if (static_cast<std::size_t>(reply->body.size()) + length > kHttpBodyLimit) {
    reply->overflow = true;
    return 0;
  }
  reply->body.append(data, static_cast<qsizetype>(length));
  return length;
}

QString CurlErrorText(CURLcode rc, const char* errorBuffer) {
  if (errorBuffer[0] != '\0') return QString::fromUtf8(errorBuffer).trimmed();
  return QString::fromUtf8(curl_easy_strerror(rc));
}

// Sends one request to the device in `connection` and fills `reply`.
// Returns an empty text on success, or the text of the transport failure.
// Every handle is released before it returns. Runs on a worker thread: it
// uses its arguments and nothing else.
QString Exchange(const Request& request, const ConnectionSettings& connection, const HttpTimeouts& timeouts,
                 Reply& reply) {
  const std::optional<std::string> host = DeviceHostForUrl(connection.m_strAddress);
  if (!host)
    return QStringLiteral("The device address \"%1\" is not a valid host name or IPv4 address.")
        .arg(connection.m_strAddress);
  if (connection.m_nPort < 1 || connection.m_nPort > 65535)
    return QStringLiteral("The port number %1 is not in the range 1 to 65535.").arg(connection.m_nPort);

  // libcurl writes failure texts here up to the handle's cleanup, so the
  // buffer is declared before the handle and outlives it.
  char errorBuffer[CURL_ERROR_SIZE] = {};
  CurlUrl url(curl_url());
  CurlEasy curl(curl_easy_init());
  if (!url || !curl) return QStringLiteral("Out of memory.");

  // The address goes in as the host and nothing else, so whatever was typed
  // cannot change the path, the port or the user of the request.
  const std::string object = request.object.toStdString();
  const std::size_t mark = object.find('?');
  const std::string path = object.substr(0, mark);
  const std::string port = std::to_string(connection.m_nPort);
  CURLUcode urc = curl_url_set(url.get(), CURLUPART_SCHEME, "http", 0);
  if (urc == CURLUE_OK) urc = curl_url_set(url.get(), CURLUPART_HOST, host->c_str(), 0);
  if (urc == CURLUE_OK) urc = curl_url_set(url.get(), CURLUPART_PORT, port.c_str(), 0);
  if (urc == CURLUE_OK) urc = curl_url_set(url.get(), CURLUPART_PATH, path.empty() ? "/" : path.c_str(), 0);
  if (urc == CURLUE_OK && mark != std::string::npos)
    urc = curl_url_set(url.get(), CURLUPART_QUERY, object.c_str() + mark + 1, 0);
  if (urc != CURLUE_OK) return QString::fromUtf8(curl_url_strerror(urc));

  const QByteArray authorization =
      "Authorization: Basic " +
      EncodeBase64(connection.m_strLoginId + QLatin1Char(':') + connection.m_strPassword).toLatin1();
  curl_slist* headers = nullptr;
  const auto add = [&headers](const char* line) {
    curl_slist* grown = curl_slist_append(headers, line);
    if (grown) headers = grown;
    return grown != nullptr;
  };
  bool listOk = add(authorization.constData());
  listOk = listOk && add("Accept:");  // no accept types
  listOk = listOk && add("Expect:");  // the body goes out whole, at once
  if (request.post) listOk = listOk && add("Content-Type: application/json; charset=utf-8");
  CurlList headerList(headers);
  if (!listOk) return QStringLiteral("Out of memory.");

  CURL* h = curl.get();
  reply.curl = h;
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
  curl_easy_setopt(h, CURLOPT_CURLU, url.get());
  curl_easy_setopt(h, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(h, CURLOPT_HTTP_CONTENT_DECODING, 0L);  // gzip is inflated here
  curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headerList.get());
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_FRESH_CONNECT, 1L);
  curl_easy_setopt(h, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                   static_cast<long>(std::max<std::int64_t>(1, timeouts.connect.count())));
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, static_cast<long>(std::max<std::int64_t>(1, timeouts.stall.count())));
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max<std::int64_t>(1, timeouts.total.count())));
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &OnHeaderLine);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &reply);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &OnBodyData);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &reply);
  if (request.post) {
    // Never a null pointer here: libcurl would then read the body from a
    // callback (standard input by default).
    static const char kEmpty[] = "";
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.body.isEmpty() ? kEmpty : request.body.constData());
  } else {
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
  }

  const CURLcode rc = curl_easy_perform(h);
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &reply.status);
  reply.curl = nullptr;
  const bool stoppedByUs = rc == CURLE_WRITE_ERROR && (reply.overflow || reply.dropped);
  if (rc != CURLE_OK && !stoppedByUs) return CurlErrorText(rc, errorBuffer);
  return {};
}

// Runs `request` behind the wait cursor. A transport failure is shown once,
// after the cursor has gone, and gives 3; otherwise `reply` holds the answer.
bool Send(const Request& request, Reply& reply) {
  // Copies for the worker, taken here on the user-interface thread.
  const ConnectionSettings connection = ActiveConnection();
  const HttpTimeouts timeouts = HttpClientTimeouts();
  EnsureCurlGlobal();
  QString failure;
  {
    WaitCursor wait;
    RunWhileWindowsWait([&] { failure = Exchange(request, connection, timeouts, reply); });
  }
  if (failure.isEmpty()) return true;
  ShowDeviceMessage(failure, MessageIcon::Warning);
  return false;
}

HttpResult StatusResult(long status) { return status == 401 ? HTTP_RESULT_UNAUTHORIZED : HTTP_RESULT_BAD_STATUS; }

}  // namespace

HttpResult HttpGet(const QString& path, const QString& query, bool bPrompt, QByteArray& body) {
  if (bPrompt && !RunLoginDialog()) return HTTP_RESULT_LOGIN_CANCELLED;
  body.clear();

  Request request;
  request.object = path + query;
  Reply reply;
  if (!Send(request, reply)) return HTTP_RESULT_CONNECTION_ERROR;
  if (reply.status != 200) return StatusResult(reply.status);

  if (reply.haveEncoding && EqualsIgnoreCase(reply.contentEncoding, "gzip")) {
    if (reply.overflow) return HTTP_RESULT_UNCOMPRESS_FAILED;
    // Room for one byte less than the bound, as the device's documents
    // have always been read.
    QByteArray block(static_cast<qsizetype>(kHttpBodyLimit - 1), Qt::Uninitialized);
    uLongf length = static_cast<uLongf>(block.size());
    const int rc =
        GzipUncompress(reinterpret_cast<Bytef*>(block.data()), &length,
                       reinterpret_cast<const Bytef*>(reply.body.constData()), static_cast<uLong>(reply.body.size()));
    if (rc != Z_OK) return HTTP_RESULT_UNCOMPRESS_FAILED;
    block.truncate(static_cast<qsizetype>(length));
    body = std::move(block);
    return HTTP_RESULT_OK;
  }
  if (reply.overflow) return HTTP_RESULT_BAD_STATUS;
  body = std::move(reply.body);
  return HTTP_RESULT_OK;
}

HttpResult HttpGetCommand(const QString& path, const QString& query, bool bPrompt) {
  QByteArray body;
  return HttpGet(path, query, bPrompt, body);
}

HttpResult HttpPostConfig(const QString& query, const char* body, int length, QByteArray& answer) {
  if (!RunLoginDialog()) return HTTP_RESULT_LOGIN_CANCELLED;
  if (length < 0 || (length > 0 && body == nullptr)) {
    // A caller's fault; sending a cut or empty configuration instead
    // could wipe the device's settings.
    ShowDeviceMessage(QStringLiteral("The configuration to send is invalid (length %1).").arg(length),
                      MessageIcon::Warning);
    return HTTP_RESULT_CONNECTION_ERROR;
  }

  Request request;
  request.post = true;
  request.object = QStringLiteral("/config.json") + query;
  request.body = QByteArray(body, length);
  Reply reply;
  if (!Send(request, reply)) return HTTP_RESULT_CONNECTION_ERROR;
  if (reply.status != 200) return StatusResult(reply.status);
  if (reply.overflow) return HTTP_RESULT_BAD_STATUS;

  // The answer is text read in pieces of 1023 bytes; each piece counts up
  // to its first zero byte.
  const std::string_view all(reply.body.constData(), static_cast<std::size_t>(reply.body.size()));
  for (std::size_t at = 0; at < all.size(); at += kPostAnswerPiece) {
    std::string_view piece = all.substr(at, kPostAnswerPiece);
    piece = piece.substr(0, piece.find('\0'));
    answer.append(piece.data(), static_cast<qsizetype>(piece.size()));
  }
  return HTTP_RESULT_OK;
}

int GzipUncompress(Bytef* dest, uLongf* destLen, const Bytef* src, uLong srcLen) {
  // One inflate call takes at most UINT_MAX bytes each way; more could only
  // be cut silently.
  if (*destLen > UINT_MAX || srcLen > UINT_MAX) return Z_BUF_ERROR;

  z_stream stream{};
  stream.next_in = const_cast<Bytef*>(src);
  stream.avail_in = static_cast<uInt>(srcLen);
  stream.next_out = dest;
  stream.avail_out = static_cast<uInt>(*destLen);
  int rc = inflateInit2(&stream, 31);  // gzip wrapper only, 32 KiB window
  if (rc != Z_OK) return rc;

  rc = inflate(&stream, Z_FINISH);
  if (rc == Z_STREAM_END) {
    *destLen = stream.total_out;
    inflateEnd(&stream);
    return Z_OK;
  }
  inflateEnd(&stream);
  return rc == Z_OK ? Z_BUF_ERROR : rc;
}

QString EncodeBase64(const QString& text) { return QString::fromLatin1(text.toUtf8().toBase64()); }

std::optional<std::string> DeviceHostForUrl(const QString& address) {
  const QString trimmed = address.trimmed();
  std::string s;
  s.reserve(static_cast<std::size_t>(trimmed.size()));
  for (const QChar ch : trimmed) {
    if (ch.unicode() > 0x7F) return std::nullopt;
    s.push_back(static_cast<char>(ch.unicode()));
  }
  if (s.empty()) return std::nullopt;

  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (std::all_of(s.begin(), s.end(), [&](char c) { return isDigit(c) || c == '.'; })) {
    // Dotted decimal only: four numbers 0..255. Written back without
    // leading zeros so that "010" can never be taken as octal.
    std::string host;
    int parts = 0;
    std::size_t at = 0;
    while (true) {
      const std::size_t dot = std::min(s.find('.', at), s.size());
      const std::string_view part(s.data() + at, dot - at);
      if (part.empty() || part.size() > 3 || ++parts > 4) return std::nullopt;
      int value = 0;
      for (char c : part) value = value * 10 + (c - '0');
      if (value > 255) return std::nullopt;
      if (!host.empty()) host.push_back('.');
      host += std::to_string(value);
      if (dot == s.size()) break;
      at = dot + 1;
    }
    if (parts != 4) return std::nullopt;
    return host;
  }

  if (s.back() == '.') s.pop_back();  // a fully qualified name
  if (s.empty() || s.size() > 253) return std::nullopt;
  std::size_t at = 0;
  while (true) {
    const std::size_t dot = std::min(s.find('.', at), s.size());
    const std::string_view label(s.data() + at, dot - at);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return std::nullopt;
    for (char c : label) {
      const bool ok = isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
      if (!ok) return std::nullopt;
    }
    if (dot == s.size()) break;
    at = dot + 1;
  }
  return s;
}

HttpResultDisplay HttpResultDisplayFor(int result) {
  switch (result) {
    case HTTP_RESULT_OK: return {true, g_strHttpResultMessages[0], MessageIcon::Information};
    case HTTP_RESULT_LOGIN_CANCELLED:
    case HTTP_RESULT_CONNECTION_ERROR: return {};
    case HTTP_RESULT_UNAUTHORIZED: return {true, g_strHttpResultMessages[2], MessageIcon::Warning};
    case HTTP_RESULT_BAD_STATUS: return {true, g_strHttpResultMessages[5], MessageIcon::Warning};
    case HTTP_RESULT_UNCOMPRESS_FAILED: return {true, g_strHttpResultMessages[3], MessageIcon::Warning};
    default: return {true, g_strHttpResultMessages[1], MessageIcon::Warning};
  }
}

void ShowHttpResult(int result) {
  const HttpResultDisplay display = HttpResultDisplayFor(result);
  if (display.shown) ShowDeviceMessage(display.text, display.icon);
}

}  // namespace kt
