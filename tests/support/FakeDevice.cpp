#include "FakeDevice.h"

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace kt::test {

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// Entries the server library adds to the headers itself; the client never
// sent them.
bool IsServerAddedHeader(const std::string& name) {
  return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT";
}

}  // namespace

std::size_t RecordedRequest::HeaderCount(std::string_view name) const {
  return static_cast<std::size_t>(
      std::count_if(headers.begin(), headers.end(), [&](const auto& h) { return SameName(h.first, name); }));
}

std::string RecordedRequest::Header(std::string_view name) const {
  for (const auto& h : headers)
    if (SameName(h.first, name)) return h.second;
  return {};
}

FakeDevice::FakeDevice() : m_server(std::make_unique<httplib::Server>()) {
  // One request per connection, as the tool sends them.
  m_server->set_keep_alive_max_count(1);
  const auto handle = [this](const httplib::Request& req, httplib::Response& res) {
    RecordedRequest rec;
    rec.method = req.method;
    rec.target = req.target;
    const std::size_t mark = req.target.find('?');
    rec.path = req.target.substr(0, mark);
    rec.query = mark == std::string::npos ? std::string() : req.target.substr(mark);
    for (const auto& [name, value] : req.headers)
      if (!IsServerAddedHeader(name)) rec.headers.emplace_back(name, value);
    rec.body = req.body;

    const FakeResponse answer = Answer(rec);
    {
      std::unique_lock lock(m_mutex);
      if (answer.silent)
        m_wake.wait(lock, [this] { return m_stopping; });
      else if (answer.delay.count() > 0)
        m_wake.wait_for(lock, answer.delay, [this] { return m_stopping; });
    }
    res.status = answer.status;
    for (const auto& [name, value] : answer.headers) res.set_header(name, value);
    if (!answer.contentEncoding.empty()) res.set_header("Content-Encoding", answer.contentEncoding);
    if (answer.trickle.count() > 0) {
      // Headers first, then the body a byte at a time, for as long as
      // the client listens and the device runs.
      res.set_content_provider(
          answer.body.size(), answer.contentType,
          [this, body = answer.body, every = answer.trickle](std::size_t offset, std::size_t, httplib::DataSink& sink) {
            {
              std::unique_lock lock(m_mutex);
              if (m_wake.wait_for(lock, every, [this] { return m_stopping; })) return false;
            }
            return sink.write(body.data() + offset, 1);
          });
      return;
    }
    res.set_content(answer.body, answer.contentType);
  };
  m_server->Get(".*", handle);
  m_server->Post(".*", handle);
  m_server->Put(".*", handle);
  m_server->Delete(".*", handle);
  m_server->Patch(".*", handle);
  m_server->Options(".*", handle);

  m_port = m_server->bind_to_any_port(kAddress);
  if (m_port <= 0) throw std::runtime_error("FakeDevice: cannot listen on 127.0.0.1");
  m_thread = std::thread([this] { m_server->listen_after_bind(); });
  // The socket already takes connections; wait until stop() can end the
  // accept loop too.
  while (!m_server->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

FakeDevice::~FakeDevice() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  m_wake.notify_all();
  m_server->stop();
  if (m_thread.joinable()) m_thread.join();
}

FakeResponse FakeDevice::Answer(const RecordedRequest& request) {
  Handler handler;
  {
    std::lock_guard lock(m_mutex);
    m_requests.push_back(request);
    if (!m_handler) {
      const auto found = m_responses.find(request.path);
      return found != m_responses.end() ? found->second : m_default;
    }
    handler = m_handler;
  }
  return handler(request);
}

void FakeDevice::SetDefault(FakeResponse response) {
  std::lock_guard lock(m_mutex);
  m_default = std::move(response);
}

void FakeDevice::SetResponse(const std::string& path, FakeResponse response) {
  std::lock_guard lock(m_mutex);
  m_responses[path] = std::move(response);
}

void FakeDevice::SetHandler(Handler handler) {
  std::lock_guard lock(m_mutex);
  m_handler = std::move(handler);
}

std::vector<RecordedRequest> FakeDevice::Requests() const {
  std::lock_guard lock(m_mutex);
  return m_requests;
}

std::size_t FakeDevice::RequestCount() const {
  std::lock_guard lock(m_mutex);
  return m_requests.size();
}

void FakeDevice::ClearRequests() {
  std::lock_guard lock(m_mutex);
  m_requests.clear();
}

std::string FakeDevice::Gzip(std::string_view data) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 31, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("FakeDevice::Gzip: deflateInit2");
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (rc != Z_STREAM_END) throw std::runtime_error("FakeDevice::Gzip: deflate");
  return out;
}

int FakeDevice::ClosedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) throw std::runtime_error("FakeDevice::ClosedPort: socket");
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  socklen_t len = sizeof addr;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    ::close(fd);
    throw std::runtime_error("FakeDevice::ClosedPort: bind");
  }
  ::close(fd);
  return ntohs(addr.sin_port);
}

}  // namespace kt::test
