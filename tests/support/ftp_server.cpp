#include "tests/support/ftp_server.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace lumora::test {
namespace {

// Reads the child's first line, giving up after the deadline so that a
// server that never starts fails the test instead of hanging it.
std::string ReadLine(int fd, std::chrono::milliseconds deadline) {
  std::string line;
  const auto until = std::chrono::steady_clock::now() + deadline;
  while (line.empty() || line.back() != '\n') {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    char c;
    if (::read(fd, &c, 1) != 1) break;
    line.push_back(c);
  }
  return line;
}

}  // namespace

FtpServer::FtpServer(std::string user, std::string password, int port, bool fail_first_upload)
    : home_(dir_.path() / "home"), user_(std::move(user)), password_(std::move(password)) {
  std::filesystem::create_directories(home_);
  const std::string script = std::string(LUMORA_TEST_SUPPORT_DIR) + "/ftp_server.py";
  const std::string commands = (dir_.path() / "commands.log").string();
  std::vector<std::string> args = {"/usr/bin/python3", script,          "--home",  home_.string(),
                                   "--user",           user_,           "--password", password_,
                                   "--commands",       commands,    "--port",
                                   std::to_string(port)};
  if (fail_first_upload) args.push_back("--fail-first-stor");
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int out[2];
  if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (spawned != 0) {
    ::close(out[0]);
    pid_ = -1;
    throw std::runtime_error("cannot start " + args[0]);
  }
  const std::string line = ReadLine(out[0], std::chrono::seconds(15));
  ::close(out[0]);
  if (line.rfind("LISTENING ", 0) != 0) {
    Stop();
    throw std::runtime_error("the FTP server did not start: " + line);
  }
  port_ = std::stoi(line.substr(10));
}

FtpServer::~FtpServer() { Stop(); }

void FtpServer::Stop() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
  }
}

std::string FtpServer::Commands() const { return ReadFileBytes(dir_.path() / "commands.log"); }

}  // namespace lumora::test
