#pragma once

#include <atomic>

#include "foundation/clock.h"

namespace lumora::test {

// A clock that stands still until told to move, with a settable UTC offset.
// Installing it makes it the process clock until the object goes.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(TDateTime now = 0.0, int utc_offset_minutes = 0);
  ~FakeClock() override;
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  TDateTime Now() const override { return now_.load(); }
  int UtcOffsetMinutes() const override { return offset_.load(); }

  void Set(TDateTime now) { now_.store(now); }
  void SetUtcOffset(int minutes) { offset_.store(minutes); }
  void AdvanceMilliseconds(double ms);

 private:
  std::atomic<TDateTime> now_;
  std::atomic<int> offset_;
};

// A local date-time from its parts, for readable tests.
TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
             int millisecond = 0);

}  // namespace lumora::test
