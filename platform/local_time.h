#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "platform/platform_errors.h"

namespace lumora::platform {

// A moment broken down into the fields of the local calendar.
struct CivilTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The given moment in the machine's local time zone. Throws
// std::system_error when the zone's rules cannot place it.
CivilTime ToLocalCivilTime(std::chrono::system_clock::time_point moment);

// Minutes to add to local time to get UTC (UTC = local + offset) at the given
// moment, from the machine's zone rules. Throws std::system_error when the
// zone's rules cannot place it.
int UtcOffsetMinutes(std::chrono::system_clock::time_point moment);

// The moments at which the machine's local clock shows `local`, earliest
// first: one normally, none in the hour skipped when daylight-saving time
// begins, two in the hour repeated when it ends.
std::vector<std::chrono::system_clock::time_point> MomentsOfLocalTime(const CivilTime& local);

// The first moment at which the local clock shows `local` or a later time:
// the first occurrence of a repeated time, the end of a skipped hour for a
// time that does not exist. nullopt when the zone rules place no such moment.
std::optional<std::chrono::system_clock::time_point> FirstMomentAtOrAfter(const CivilTime& local);

}  // namespace lumora::platform
