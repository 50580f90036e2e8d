// The HTTP client of the device link: one request per call, synchronous, with
// HTTP Basic authorization from ActiveConnection(), behind the wait cursor.
// The transfer itself runs on a worker thread while the windows keep
// painting (RunWhileWindowsWait); the caller sees a plain blocking call.
//
// Every call optionally runs the login dialog first (DeviceLinkHooks), then
// opens its own connection and closes it before returning; nothing lasts from
// one call to the next and nothing is retried.
//
// What the device gets, and nothing else:
//   GET|POST <path><query> HTTP/1.1
//   Host, User-Agent: KT2057CFG, Authorization: Basic <base64(id:password)>
//   POST only: Content-Type: application/json; charset=utf-8, Content-Length,
//              the body whole (no Expect: 100-continue, no chunking).
// The address only ever becomes the URL's host; redirects are not followed;
// a gzip body (Content-Encoding "gzip" in any letter case) is inflated here.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include <zlib.h>
#include <QByteArray>
#include <QString>

#include "DeviceHooks.h"

namespace kt {

// The result of a request. Other values (1, negatives) are never produced
// but are still shown sensibly by ShowHttpResult.
enum HttpResult : int {
  HTTP_RESULT_OK = 0,                 // status 200; the body was delivered
  HTTP_RESULT_LOGIN_CANCELLED = 2,    // login not confirmed; nothing was sent
  HTTP_RESULT_CONNECTION_ERROR = 3,   // transport failure, already shown to the user
  HTTP_RESULT_UNAUTHORIZED = 4,       // status 401
  HTTP_RESULT_BAD_STATUS = 5,         // any other status, or a body over the bound
  HTTP_RESULT_UNCOMPRESS_FAILED = 6,  // the gzip body did not inflate within the bound
};

// "Completed.", "Failed in sending.", "Failed Login.", "uncompress failed.",
// "Compression failed." (never shown), "Failed to get a valid response from
// the server.".
extern const QString g_strHttpResultMessages[6];
// "Failed in conversion.": shown by the callers (error icon) when a received
// document is not JSON or fails its range checks.
extern const QString g_strConversionFailed[1];

// Largest body taken from the device, as received and after inflating.
constexpr std::size_t kHttpBodyLimit = 4u * 1024u * 1024u;

// Time-outs. A request fails (result 3) when the connection is not up within
// `connect`, when less than a byte a second moves for `stall` (whole
// seconds, at least 1), or when the whole exchange has not ended within
// `total`, whatever the device does (a trickle beats the stall rule). libcurl
// judges the speed by what moved over the last five seconds or so, and a
// body just sent counts: an upload that the device takes but never answers
// fails 6 to 7 seconds after `stall` (about 37 s instead of 30 s), while a
// GET fails right at `stall`. Three minutes carry the largest body (4 MiB)
// even at about 200 kbit/s. Tests shorten them.
struct HttpTimeouts {
  std::chrono::milliseconds connect{30000};
  std::chrono::seconds stall{30};
  std::chrono::milliseconds total{180000};
};
HttpTimeouts& HttpClientTimeouts();

// GET of path + query. With bPrompt the login dialog runs first, every time;
// if it is not confirmed the result is 2 and body is untouched. Otherwise
// body is emptied and, on 0, holds the answer (inflated when gzip-encoded,
// with its full length).
HttpResult HttpGet(const QString& path, const QString& query, bool bPrompt, QByteArray& body);

// HttpGet whose answer is dropped: for commands where only the status counts.
HttpResult HttpGetCommand(const QString& path, const QString& query, bool bPrompt);

// POST of `length` bytes of `body` to "/config.json" + query, always after
// the login dialog. The answer is gathered in pieces of 1023 bytes, each up
// to its first zero byte.
HttpResult HttpPostConfig(const QString& query, const char* body, int length, QByteArray& answer);

// Inflates one gzip stream in one step. On entry *destLen is the room in
// dest, on success the number of bytes written. Returns a zlib code: Z_OK,
// Z_BUF_ERROR when the room ran out (or the input was cut short), or the
// error of inflateInit2/inflate.
int GzipUncompress(Bytef* dest, uLongf* destLen, const Bytef* src, uLong srcLen);

// Standard Base64 (RFC 4648) with "=" padding and no line breaks, of the
// text's UTF-8 bytes.
QString EncodeBase64(const QString& text);

// The host part of the request URL for an address as typed: a host name
// (letters, digits, "-" and ".", labels of 1..63 characters, at most 253 in
// all) or an IPv4 address of four decimal numbers 0..255 (written back
// without leading zeros). Surrounding blanks are ignored. Anything else
// (a path, a user, a port, a scheme) gives nothing.
std::optional<std::string> DeviceHostForUrl(const QString& address);

// What ShowHttpResult shows for a result: nothing for 2 and 3 (cancelled, or
// already reported), otherwise a text and an icon.
struct HttpResultDisplay {
  bool shown = false;
  QString text;
  MessageIcon icon = MessageIcon::Warning;
};
HttpResultDisplay HttpResultDisplayFor(int result);

// The shared display of a result, in an OK box through DeviceLinkHooks.
void ShowHttpResult(int result);

}  // namespace kt
