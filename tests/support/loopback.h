#pragma once

namespace lumora::test {

// A loopback port on which nothing listens (taken from the system, then
// released): connecting to it is refused.
int UnusedLoopbackPort();

// A loopback port that completes TCP connections but never says a word, as
// a hung server does. The kernel accepts on its behalf; nothing reads.
class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;

  int port() const { return port_; }

 private:
  int socket_ = -1;
  int port_ = 0;
};

}  // namespace lumora::test
