#pragma once

#include <chrono>

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

// The given moment in the machine's local time zone.
CivilTime ToLocalCivilTime(std::chrono::system_clock::time_point moment);

// Minutes to add to local time to get UTC (UTC = local + offset) at the given
// moment, from the machine's zone rules. 0 when the zone cannot be read.
int UtcOffsetMinutes(std::chrono::system_clock::time_point moment);

}  // namespace lumora::platform
