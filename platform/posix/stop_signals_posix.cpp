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
  const char code = number == SIGINT ? 'i' : number == SIGHUP ? 'h' : 't';
  if (g_pipe_write >= 0) [[maybe_unused]] auto written = ::write(g_pipe_write, &code, 1);
  errno = saved;
}

}  // namespace

struct StopSignalWatcher::State {
  int pipe_fds[2] = {-1, -1};
  struct sigaction old_term {};
  struct sigaction old_int {};
  struct sigaction old_hup {};
  bool hangup = false;
  std::thread reader;
};

StopSignalWatcher::StopSignalWatcher(std::function<void(StopSignal)> on_signal, bool hangup)
    : state_(std::make_unique<State>()) {
  state_->hangup = hangup;
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
  if (hangup) ::sigaction(SIGHUP, &action, &state_->old_hup);
  state_->reader = std::thread([fd = state_->pipe_fds[0], on_signal = std::move(on_signal)] {
    char code = 0;
    while (true) {
      const ssize_t got = ::read(fd, &code, 1);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0 || code == kQuit) return;
      on_signal(code == 'i'   ? StopSignal::Interrupt
                : code == 'h' ? StopSignal::Hangup
                              : StopSignal::Terminate);
    }
  });
}

StopSignalWatcher::~StopSignalWatcher() {
  ::sigaction(SIGTERM, &state_->old_term, nullptr);
  ::sigaction(SIGINT, &state_->old_int, nullptr);
  if (state_->hangup) ::sigaction(SIGHUP, &state_->old_hup, nullptr);
  g_pipe_write = -1;
  const char quit = kQuit;
  [[maybe_unused]] auto written = ::write(state_->pipe_fds[1], &quit, 1);
  state_->reader.join();
  ::close(state_->pipe_fds[0]);
  ::close(state_->pipe_fds[1]);
}

}  // namespace lumora::platform
