#pragma once

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/platform_errors.h"
#include "platform/wait_clock.h"

namespace lumora::platform {

class MessageLoop;

// A timer of a message loop: fires its handler on the loop's thread every
// interval while enabled. Enabling it, or setting its interval while enabled,
// restarts the countdown. An interval of 0 never fires (as with the window
// system's timers); callers that need "at once" use 1 ms. Use on the loop's
// thread only.
class Timer {
 public:
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetInterval(std::uint32_t milliseconds);
  std::uint32_t Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

 private:
  friend class MessageLoop;
  Timer(MessageLoop& loop, std::function<void()> handler);
  void Restart();

  MessageLoop& loop_;
  std::function<void()> handler_;
  std::uint32_t interval_ = 0;
  bool enabled_ = false;
  bool dispatching_ = false;
  Millis deadline_{0};
};

// The message loop of one thread: posted messages and timers, dispatched one
// at a time on that thread, so handlers never run concurrently. A handler may
// call ProcessMessages to let other work through during a long operation;
// a timer is never dispatched inside its own handler. Post and Wake may be
// called from any thread.
class MessageLoop {
 public:
  explicit MessageLoop(WaitClock& clock);
  ~MessageLoop();
  MessageLoop(const MessageLoop&) = delete;
  MessageLoop& operator=(const MessageLoop&) = delete;

  std::unique_ptr<Timer> CreateTimer(std::function<void()> handler);

  // Queues a message for the loop's thread. Any thread.
  void Post(std::function<void()> message);
  // Wakes a waiting loop or WaitFor so that it tests its condition. Any thread.
  void Wake();

  // Dispatches the posted messages and due timers present now, without
  // blocking. Returns whether anything was dispatched.
  bool ProcessMessages();

  // Dispatches messages and timers, waiting for the next one in between,
  // until `done` holds. `done` is tested before every dispatch.
  void RunUntil(const std::function<bool()>& done);

  // Blocks the thread for `duration` without dispatching anything. Ends early
  // when `stop` holds (tested on every Wake and Post); returns false then.
  // `stop` is tested with the loop's lock held: it must be cheap and must
  // not call the loop.
  bool WaitFor(Millis duration, const std::function<bool()>& stop);

  // Errors escaping a handler go here and the loop carries on; without a
  // handler they propagate to the caller of ProcessMessages or RunUntil.
  void SetErrorHandler(std::function<void(std::exception_ptr)> handler);
  // Hands an error caught outside a dispatch to the error handler; dropped
  // when there is none.
  void ReportError(std::exception_ptr error);

  WaitClock& Clock() { return clock_; }

 private:
  friend class Timer;
  bool DispatchOne();
  Timer* DueTimer(Millis now);
  Millis NextDeadline() const;
  void Dispatch(const std::function<void()>& work);

  WaitClock& clock_;
  std::mutex mutex_;
  std::condition_variable wakeup_;
  std::deque<std::function<void()>> posted_;  // guarded by mutex_
  bool wake_pending_ = false;                 // guarded by mutex_
  std::vector<Timer*> timers_;                // loop thread only
  std::function<void(std::exception_ptr)> error_handler_;
};

}  // namespace lumora::platform
