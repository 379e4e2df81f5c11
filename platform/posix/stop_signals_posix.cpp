#include "platform/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

namespace lumora::platform {
namespace {

// Write end of the self-pipe; the handler may only make async-signal-safe calls.
volatile sig_atomic_t g_pipe_write = -1;

constexpr char kQuit = 'q';

void OnSignal(int number) {
  const int saved = errno;
  const char code = number == SIGINT ? 'i' : 't';
  if (g_pipe_write >= 0) [[maybe_unused]] auto written = ::write(g_pipe_write, &code, 1);
  errno = saved;
}

}  // namespace

struct StopSignalWatcher::State {
  int pipe_fds[2] = {-1, -1};
  struct sigaction old_term {};
  struct sigaction old_int {};
  std::thread reader;
};

StopSignalWatcher::StopSignalWatcher(std::function<void(StopSignal)> on_signal)
    : state_(std::make_unique<State>()) {
  if (::pipe2(state_->pipe_fds, O_CLOEXEC) != 0) {
    throw std::system_error(errno, std::generic_category(), "pipe");
  }
  g_pipe_write = state_->pipe_fds[1];
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, &state_->old_term);
  ::sigaction(SIGINT, &action, &state_->old_int);
  state_->reader = std::thread([fd = state_->pipe_fds[0], on_signal = std::move(on_signal)] {
    char code = 0;
    while (true) {
      const ssize_t got = ::read(fd, &code, 1);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0 || code == kQuit) return;
      on_signal(code == 'i' ? StopSignal::Interrupt : StopSignal::Terminate);
    }
  });
}

StopSignalWatcher::~StopSignalWatcher() {
  ::sigaction(SIGTERM, &state_->old_term, nullptr);
  ::sigaction(SIGINT, &state_->old_int, nullptr);
  g_pipe_write = -1;
  const char quit = kQuit;
  [[maybe_unused]] auto written = ::write(state_->pipe_fds[1], &quit, 1);
  state_->reader.join();
  ::close(state_->pipe_fds[0]);
  ::close(state_->pipe_fds[1]);
}

}  // namespace lumora::platform
