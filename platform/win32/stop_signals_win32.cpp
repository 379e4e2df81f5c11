#include "platform/stop_signals.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace lumora::platform {

// The console's control events (Ctrl+C, Ctrl+Break, closing the console
// window, log-off and shut-down) take the place of POSIX signals. Windows
// calls the handler on a thread of its own; the events are queued to the
// watcher's thread so that on_signal runs in one place, as on POSIX.
namespace {

struct ControlEvents {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<StopSignal> pending;  // guarded by mutex
  bool quit = false;               // guarded by mutex
  std::thread reader;
};

std::mutex g_mutex;
ControlEvents* g_state = nullptr;  // guarded by g_mutex

// How long a closing console waits for the program to end before Windows
// ends the process itself (it allows about five seconds).
constexpr auto kCloseGrace = std::chrono::milliseconds(4500);

BOOL WINAPI OnControl(DWORD event) {
  const std::lock_guard global(g_mutex);
  auto* state = g_state;
  if (state == nullptr) return FALSE;
  const bool closing = event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT ||
                       event == CTRL_SHUTDOWN_EVENT;
  std::unique_lock lock(state->mutex);
  state->pending.push_back(closing ? StopSignal::Terminate : StopSignal::Interrupt);
  state->changed.notify_all();
  // After the handler returns from a close event Windows ends the process:
  // give the program its grace period to shut down in order.
  if (closing) state->changed.wait_for(lock, kCloseGrace, [state] { return state->quit; });
  return TRUE;
}

}  // namespace

struct StopSignalWatcher::State : ControlEvents {};

// A Windows console has no hang-up apart from its close event, which is
// always a stop request here.
StopSignalWatcher::StopSignalWatcher(std::function<void(StopSignal)> on_signal, bool /*hangup*/)
    : state_(std::make_unique<State>()) {
  state_->reader = std::thread([state = static_cast<ControlEvents*>(state_.get()), on_signal = std::move(on_signal)] {
    std::unique_lock lock(state->mutex);
    while (true) {
      state->changed.wait(lock, [state] { return state->quit || !state->pending.empty(); });
      if (state->quit) return;
      const StopSignal signal = state->pending.front();
      state->pending.pop_front();
      lock.unlock();
      on_signal(signal);
      lock.lock();
    }
  });
  {
    const std::lock_guard global(g_mutex);
    g_state = state_.get();
  }
  ::SetConsoleCtrlHandler(OnControl, TRUE);
}

StopSignalWatcher::~StopSignalWatcher() {
  ::SetConsoleCtrlHandler(OnControl, FALSE);
  {
    const std::lock_guard lock(state_->mutex);
    state_->quit = true;
    state_->changed.notify_all();
  }
  state_->reader.join();
  const std::lock_guard global(g_mutex);
  g_state = nullptr;
}

}  // namespace lumora::platform
