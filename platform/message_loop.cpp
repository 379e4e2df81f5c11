#include "platform/message_loop.h"

#include <algorithm>
#include <limits>

namespace lumora::platform {
namespace {
constexpr Millis kNever = Millis::max();
}  // namespace

Millis SteadyWaitClock::Elapsed() const {
  return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyWaitClock::WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wakeup,
                                Millis deadline) {
  if (deadline == kNever) {
    wakeup.wait(lock);
    return;
  }
  wakeup.wait_until(lock, std::chrono::steady_clock::time_point(deadline));
}

Timer::Timer(MessageLoop& loop, std::function<void()> handler)
    : loop_(loop), handler_(std::move(handler)) {}

Timer::~Timer() { std::erase(loop_.timers_, this); }

void Timer::SetInterval(std::uint32_t milliseconds) {
  interval_ = milliseconds;
  if (enabled_) Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled_) Restart();
}

void Timer::Restart() { deadline_ = loop_.clock_.Elapsed() + Millis(interval_); }

MessageLoop::MessageLoop(WaitClock& clock) : clock_(clock) {}

MessageLoop::~MessageLoop() = default;

std::unique_ptr<Timer> MessageLoop::CreateTimer(std::function<void()> handler) {
  std::unique_ptr<Timer> timer(new Timer(*this, std::move(handler)));
  timers_.push_back(timer.get());
  return timer;
}

void MessageLoop::Post(std::function<void()> message) {
  {
    const std::lock_guard lock(mutex_);
    posted_.push_back(std::move(message));
  }
  wakeup_.notify_all();
}

void MessageLoop::Wake() {
  // Set under the lock, so the wake cannot fall between a waiter's test of
  // its condition and its wait.
  {
    const std::lock_guard lock(mutex_);
    wake_pending_ = true;
  }
  wakeup_.notify_all();
}

void MessageLoop::SetErrorHandler(std::function<void(std::exception_ptr)> handler) {
  error_handler_ = std::move(handler);
}

void MessageLoop::ReportError(std::exception_ptr error) {
  if (error_handler_) error_handler_(std::move(error));
}

Timer* MessageLoop::DueTimer(Millis now) {
  Timer* due = nullptr;
  for (Timer* timer : timers_) {
    if (!timer->enabled_ || timer->interval_ == 0 || timer->dispatching_) continue;
    if (timer->deadline_ > now) continue;
    if (due == nullptr || timer->deadline_ < due->deadline_) due = timer;
  }
  return due;
}

Millis MessageLoop::NextDeadline() const {
  Millis next = kNever;
  for (const Timer* timer : timers_) {
    if (timer->enabled_ && timer->interval_ != 0 && !timer->dispatching_) {
      next = std::min(next, timer->deadline_);
    }
  }
  return next;
}

void MessageLoop::Dispatch(const std::function<void()>& work) {
  if (!error_handler_) {
    work();
    return;
  }
  try {
    work();
  } catch (...) {
    error_handler_(std::current_exception());
  }
}

bool MessageLoop::DispatchOne() {
  std::function<void()> message;
  {
    const std::lock_guard lock(mutex_);
    if (!posted_.empty()) {
      message = std::move(posted_.front());
      posted_.pop_front();
    }
  }
  if (message) {
    Dispatch(message);
    return true;
  }
  Timer* timer = DueTimer(clock_.Elapsed());
  if (timer == nullptr) return false;
  // The next tick counts from this one; the handler may restart it anyway.
  timer->Restart();
  timer->dispatching_ = true;
  struct Reset {
    Timer* t;
    ~Reset() { t->dispatching_ = false; }
  } reset{timer};
  Dispatch(timer->handler_);
  return true;
}

bool MessageLoop::ProcessMessages() {
  // Bounded, so that a short timer re-arming itself cannot keep the caller
  // here for ever.
  std::size_t budget;
  {
    const std::lock_guard lock(mutex_);
    budget = posted_.size() + timers_.size();
  }
  bool any = false;
  while (budget-- > 0 && DispatchOne()) any = true;
  return any;
}

void MessageLoop::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    if (DispatchOne()) continue;
    std::unique_lock lock(mutex_);
    if (!posted_.empty()) continue;
    if (wake_pending_) {
      // Someone wants `done` tested again, which happens at the loop's top.
      wake_pending_ = false;
      continue;
    }
    const Millis deadline = NextDeadline();
    if (deadline != kNever && deadline <= clock_.Elapsed()) continue;
    clock_.WaitUntil(lock, wakeup_, deadline);
  }
}

bool MessageLoop::WaitFor(Millis duration, const std::function<bool()>& stop) {
  const Millis deadline = clock_.Elapsed() + duration;
  std::unique_lock lock(mutex_);
  while (true) {
    if (stop && stop()) return false;
    if (clock_.Elapsed() >= deadline) return true;
    clock_.WaitUntil(lock, wakeup_, deadline);
  }
}

}  // namespace lumora::platform
