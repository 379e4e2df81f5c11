#include "tests/support/fake_clock.h"

namespace lumora::test {

FakeClock::FakeClock(TDateTime now, int utc_offset_minutes) : now_(now), offset_(utc_offset_minutes) {
  Clock::SetCurrent(this);
}

FakeClock::~FakeClock() { Clock::SetCurrent(nullptr); }

void FakeClock::AdvanceMilliseconds(double ms) {
  TDateTime current = now_.load();
  while (!now_.compare_exchange_weak(current, current + ms / kMSecsPerDay)) {
  }
}

TDateTime At(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  return EncodeDateTime(CivilTime{year, month, day, hour, minute, second, millisecond});
}

}  // namespace lumora::test
