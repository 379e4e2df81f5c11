#include "tests/support/loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace lumora::test {
namespace {

// A TCP socket bound to a free port of 127.0.0.1; returns the port.
int BindLoopback(int socket) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("cannot bind a loopback port");
  }
  return ntohs(address.sin_port);
}

}  // namespace

int UnusedLoopbackPort() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) throw std::runtime_error("socket failed");
  const int port = BindLoopback(s);
  ::close(s);
  return port;
}

SilentServer::SilentServer() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
  if (socket_ < 0) throw std::runtime_error("socket failed");
  port_ = BindLoopback(socket_);
  if (::listen(socket_, 8) != 0) {
    ::close(socket_);
    throw std::runtime_error("listen failed");
  }
}

SilentServer::~SilentServer() { ::close(socket_); }

}  // namespace lumora::test
