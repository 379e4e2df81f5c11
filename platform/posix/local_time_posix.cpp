#include "platform/local_time.h"

#include <ctime>

namespace lumora::platform {

CivilTime ToLocalCivilTime(std::chrono::system_clock::time_point moment) {
  using namespace std::chrono;
  const auto since_epoch = duration_cast<milliseconds>(moment.time_since_epoch());
  auto seconds = since_epoch.count() / 1000;
  auto millis = since_epoch.count() % 1000;
  if (millis < 0) {
    millis += 1000;
    seconds -= 1;
  }
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (::localtime_r(&t, &local) == nullptr) return {};
  return CivilTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min,         local.tm_sec,      static_cast<int>(millis)};
}

int UtcOffsetMinutes(std::chrono::system_clock::time_point moment) {
  const std::time_t t = std::chrono::system_clock::to_time_t(moment);
  std::tm local{};
  if (::localtime_r(&t, &local) == nullptr) return 0;
  // tm_gmtoff is seconds east of UTC (local = UTC + gmtoff), the opposite sign
  // of the offset the programs store.
  return static_cast<int>(-local.tm_gmtoff / 60);
}

}  // namespace lumora::platform
