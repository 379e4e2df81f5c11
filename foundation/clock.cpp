#include "foundation/clock.h"

#include <atomic>
#include <chrono>

namespace lumora {
namespace {

const SystemClock kSystemClock;
std::atomic<const Clock*> g_current{&kSystemClock};

}  // namespace

const Clock& Clock::Current() { return *g_current.load(std::memory_order_acquire); }

void Clock::SetCurrent(const Clock* clock) {
  g_current.store(clock != nullptr ? clock : &kSystemClock, std::memory_order_release);
}

TDateTime SystemClock::Now() const {
  return EncodeDateTime(platform::ToLocalCivilTime(std::chrono::system_clock::now()));
}

int SystemClock::UtcOffsetMinutes() const {
  return platform::UtcOffsetMinutes(std::chrono::system_clock::now());
}

TDateTime Now() { return Clock::Current().Now(); }

}  // namespace lumora
