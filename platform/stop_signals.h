#pragma once

#include <functional>
#include <memory>

namespace lumora::platform {

// The requests the operating system sends a running program to end it.
enum class StopSignal {
  Terminate,  // the service manager's stop (SIGTERM)
  Interrupt,  // Ctrl+C on the terminal (SIGINT)
};

// Turns the program's stop signals into calls of `on_signal` on a thread of
// its own, where any ordinary code may run (the signal handler itself only
// writes to a pipe). One watcher per process; the previous handlers come back
// when it goes.
class StopSignalWatcher {
 public:
  explicit StopSignalWatcher(std::function<void(StopSignal)> on_signal);
  ~StopSignalWatcher();
  StopSignalWatcher(const StopSignalWatcher&) = delete;
  StopSignalWatcher& operator=(const StopSignalWatcher&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace lumora::platform
