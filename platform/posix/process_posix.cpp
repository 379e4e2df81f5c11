#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <utility>

extern char** environ;

namespace lumora::platform {
namespace {

class Descriptor {
 public:
  Descriptor() = default;
  ~Descriptor() { Close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int* Receive() { return &fd_; }
  int Get() const { return fd_; }
  void Close() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  }

 private:
  int fd_ = -1;
};

class SpawnActions {
 public:
  SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { ::posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* Get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, ChildOutput output) {
  if (argv.empty()) throw std::invalid_argument("RunProcess needs the program to run");
  std::vector<std::string> copies = argv;
  std::vector<char*> pointers;
  for (auto& argument : copies) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  const bool capture = output == ChildOutput::kCapture;
  Descriptor pipe_read;
  Descriptor pipe_write;
  SpawnActions actions;
  if (capture) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw ErrnoError(errno, "a pipe for " + argv[0]);
    *pipe_read.Receive() = fds[0];
    *pipe_write.Receive() = fds[1];
    // dup2 clears close-on-exec on the child's copy only.
    ::posix_spawn_file_actions_adddup2(actions.Get(), pipe_write.Get(), STDOUT_FILENO);
    ::posix_spawn_file_actions_addopen(actions.Get(), STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  }
  pid_t child = 0;
  const int spawned =
      ::posix_spawnp(&child, copies[0].c_str(), actions.Get(), nullptr, pointers.data(), environ);
  if (spawned != 0) throw ErrnoError(spawned, argv[0]);
  // Our copy of the write end must go, or the read below never sees the end.
  pipe_write.Close();

  ProcessResult result;
  if (capture) {
    std::array<char, 512> buffer{};
    while (true) {
      const ssize_t count = ::read(pipe_read.Get(), buffer.data(), buffer.size());
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) break;
      result.output.append(buffer.data(), static_cast<std::size_t>(count));
    }
  }
  int status = 0;
  pid_t waited;
  do {
    waited = ::waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited < 0) throw ErrnoError(errno, argv[0]);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

}  // namespace lumora::platform
