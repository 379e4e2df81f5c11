#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora::test {

// One request as the server received it.
struct HttpRequest {
  std::string method;
  std::string target;
  std::map<std::string, std::string> headers;  // names in lower case
  std::string body;
};

// What the server answers. With `hang` it accepts the request and never
// answers, holding the connection open until the server stops.
struct HttpReply {
  int status = 200;
  std::string body;
  bool hang = false;
};

// A small HTTP/1.1 server on 127.0.0.1 (an ephemeral port unless one is
// given), running on its own thread; each connection carries one request,
// answered by the handler.
class LoopbackHttpServer {
 public:
  using Handler = std::function<HttpReply(const HttpRequest&)>;

  explicit LoopbackHttpServer(Handler handler, std::uint16_t port = 0);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  std::uint16_t port() const { return port_; }
  // "http://127.0.0.1:<port>/"
  std::string url() const;
  std::vector<HttpRequest> requests() const;

 private:
  void Serve();
  void HandleConnection(int connection);
  bool ReadRequest(int connection, HttpRequest& request) const;
  bool WaitReadable(int fd, int timeout_ms) const;

  Handler handler_;
  int listener_ = -1;
  int wake_[2] = {-1, -1};
  std::uint16_t port_ = 0;
  std::vector<int> held_;  // connections of hanging replies
  mutable std::mutex mutex_;
  std::vector<HttpRequest> requests_;
  std::thread thread_;
};

}  // namespace lumora::test
