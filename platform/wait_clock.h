#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/platform_errors.h"

namespace lumora::platform {

using Millis = std::chrono::milliseconds;

// The time source and blocking wait of a message loop. Production uses the
// steady clock; tests substitute a clock that jumps ahead instead of waiting,
// so that a two-minute pause costs a millisecond. Called on the loop's thread
// only.
class WaitClock {
 public:
  virtual ~WaitClock() = default;

  // Monotonic milliseconds since an arbitrary origin.
  virtual Millis Elapsed() const = 0;

  // Blocks on `wakeup` (with `lock` held on entry and exit) until `deadline`
  // on the Elapsed scale or until notified. May return early; callers test
  // their condition again.
  virtual void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wakeup,
                         Millis deadline) = 0;
};

// The machine's steady clock.
class SteadyWaitClock final : public WaitClock {
 public:
  Millis Elapsed() const override;
  void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wakeup,
                 Millis deadline) override;
};

}  // namespace lumora::platform
