#include "tests/support/http_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "foundation/text.h"

namespace lumora::test {
namespace {

constexpr std::size_t kMaxRequestBytes = 1 << 20;
constexpr int kReadTimeoutMs = 5000;

// Binds 127.0.0.1:port, or a free port when port is 0; port receives the
// port bound.
int BoundLoopbackSocket(std::uint16_t& port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket failed");
  const int reuse = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  socklen_t length = sizeof address;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    ::close(fd);
    throw std::runtime_error("bind on 127.0.0.1:" + std::to_string(port) + " failed");
  }
  port = ntohs(address.sin_port);
  return fd;
}

std::string StatusText(int status) {
  switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

void SendAll(int fd, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(Handler handler, std::uint16_t port)
    : handler_(std::move(handler)), port_(port) {
  listener_ = BoundLoopbackSocket(port_);
  if (::listen(listener_, 8) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
    ::close(listener_);
    throw std::runtime_error("listen failed");
  }
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  const char stop = 's';
  (void)!::write(wake_[1], &stop, 1);
  thread_.join();
  for (const int fd : held_) ::close(fd);
  ::close(listener_);
  ::close(wake_[0]);
  ::close(wake_[1]);
}

std::string LoopbackHttpServer::url() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

std::vector<HttpRequest> LoopbackHttpServer::requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

// True when `fd` has data; false on time-out or when the server is stopping.
bool LoopbackHttpServer::WaitReadable(int fd, int timeout_ms) const {
  pollfd fds[2] = {{fd, POLLIN, 0}, {wake_[0], POLLIN, 0}};
  if (::poll(fds, 2, timeout_ms) <= 0) return false;
  return (fds[1].revents & POLLIN) == 0 && (fds[0].revents & (POLLIN | POLLHUP)) != 0;
}

void LoopbackHttpServer::Serve() {
  while (WaitReadable(listener_, -1)) {
    const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    try {
      HandleConnection(connection);
    } catch (const std::exception&) {
      ::close(connection);  // a garbled request, or a handler that gave up
    }
  }
}

bool LoopbackHttpServer::ReadRequest(int connection, HttpRequest& request) const {
  std::string data;
  std::size_t header_end = std::string::npos;
  std::size_t content_length = 0;
  char buffer[4096];
  while (true) {
    if (header_end == std::string::npos) {
      header_end = data.find("\r\n\r\n");
      if (header_end != std::string::npos) {
        const std::string head = data.substr(0, header_end);
        std::size_t line_end = head.find("\r\n");
        const std::string first_line = head.substr(0, line_end);
        const std::size_t space = first_line.find(' ');
        request.method = first_line.substr(0, space);
        request.target = first_line.substr(space + 1, first_line.rfind(' ') - space - 1);
        while (line_end != std::string::npos) {
          const std::size_t next = head.find("\r\n", line_end + 2);
          const std::string line = head.substr(line_end + 2, next - line_end - 2);
          const std::size_t colon = line.find(':');
          if (colon != std::string::npos) {
            std::string value = line.substr(colon + 1);
            value.erase(0, value.find_first_not_of(' '));
            request.headers[AsciiLower(line.substr(0, colon))] = value;
          }
          line_end = next;
        }
        const auto length = request.headers.find("content-length");
        if (length != request.headers.end()) content_length = std::stoul(length->second);
      }
    }
    if (header_end != std::string::npos && data.size() >= header_end + 4 + content_length) {
      request.body = data.substr(header_end + 4, content_length);
      return true;
    }
    if (data.size() > kMaxRequestBytes || !WaitReadable(connection, kReadTimeoutMs)) return false;
    const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
    if (got <= 0) return false;
    data.append(buffer, static_cast<std::size_t>(got));
  }
}

void LoopbackHttpServer::HandleConnection(int connection) {
  HttpRequest request;
  if (!ReadRequest(connection, request)) {
    ::close(connection);
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const HttpReply reply = handler_(request);
  if (reply.hang) {
    held_.push_back(connection);
    return;
  }
  SendAll(connection, "HTTP/1.1 " + std::to_string(reply.status) + " " + StatusText(reply.status) +
                          "\r\nContent-Type: text/plain\r\nContent-Length: " +
                          std::to_string(reply.body.size()) + "\r\nConnection: close\r\n\r\n" +
                          reply.body);
  ::close(connection);
}

}  // namespace lumora::test
