#pragma once

#include <string>
#include <string_view>

#include "platform/local_time.h"

namespace lumora {

// A date-time value: days since 1899-12-30 00:00 local time; the fraction is
// the time of day. Zero is the zero date, which the programs use for "never".
using TDateTime = double;

inline constexpr double kMSecsPerDay = 86400000.0;
inline constexpr double kSecsPerDay = 86400.0;

using platform::CivilTime;

// Calendar fields to a date-time value. Fields are taken as given (no range
// check); callers validate before encoding.
TDateTime EncodeDateTime(const CivilTime& fields);

// A date-time value to calendar fields, rounded to the millisecond.
CivilTime DecodeDateTime(TDateTime value);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

// The date part (midnight) and the time-of-day part of a value.
TDateTime DateOf(TDateTime value);
double TimeOf(TDateTime value);

bool IsValidDate(int year, int month, int day);

// Formats with a fixed pattern: "yyyy", "mm", "dd", "hh" (24-hour), "nn"
// (minutes), "ss", "zzz" (milliseconds); every other character is copied.
// The separators are fixed, independent of regional settings.
std::string FormatDateTime(std::string_view pattern, TDateTime value);

}  // namespace lumora
