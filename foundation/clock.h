#pragma once

#include "foundation/date_time.h"

namespace lumora {

// Where the programs get "now" from. Production code asks Clock::Current();
// tests install a fake so that a day's roll-over or a time-zone change happens
// on demand. Any thread may call it (the log writer stamps lines with it).
class Clock {
 public:
  virtual ~Clock() = default;

  // Local time now.
  virtual TDateTime Now() const = 0;

  // Minutes such that UTC = local + offset, for the zone rules in force now.
  virtual int UtcOffsetMinutes() const = 0;

  static const Clock& Current();

  // Installs a clock for the whole process; nullptr restores the system clock.
  // The caller keeps the clock alive while it is installed.
  static void SetCurrent(const Clock* clock);
};

// The machine's clock and time zone.
class SystemClock final : public Clock {
 public:
  TDateTime Now() const override;
  int UtcOffsetMinutes() const override;
};

// Shorthand for Clock::Current().Now().
TDateTime Now();

}  // namespace lumora
