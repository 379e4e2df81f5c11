#pragma once

#include <functional>
#include <memory>

#include "platform/platform_errors.h"

namespace lumora::platform {

// The requests the operating system sends a running program to end it.
enum class StopSignal {
  Terminate,  // the service manager's stop (SIGTERM)
  Interrupt,  // Ctrl+C on the terminal (SIGINT)
  Hangup,     // the terminal went away (SIGHUP); only when asked for
};

// Turns the program's stop signals into calls of `on_signal` on a thread of
// its own, where any ordinary code may run (the signal handler itself only
// writes to a pipe). One watcher per process; the previous handlers come back
// when it goes. With `hangup`, the loss of the controlling terminal is a stop
// request too, instead of ending the process on the spot.
class StopSignalWatcher {
 public:
  explicit StopSignalWatcher(std::function<void(StopSignal)> on_signal, bool hangup = false);
  ~StopSignalWatcher();
  StopSignalWatcher(const StopSignalWatcher&) = delete;
  StopSignalWatcher& operator=(const StopSignalWatcher&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace lumora::platform
