#include "platform/local_time.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <system_error>

namespace lumora::platform {
namespace {

// FILETIME counts 100 ns ticks from 1601-01-01 UTC.
constexpr std::int64_t kTicksPerMillisecond = 10000;
constexpr std::int64_t kUnixEpochTicks = 116444736000000000LL;

struct Moment {
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
};

// The moment in UTC and in local time under the machine zone's rules for
// the moment's year, so a moment of another year gets that year's
// daylight-saving dates rather than this year's.
std::optional<Moment> Convert(std::chrono::system_clock::time_point moment) {
  using namespace std::chrono;
  const std::int64_t millis = duration_cast<milliseconds>(moment.time_since_epoch()).count();
  const std::int64_t ticks = kUnixEpochTicks + millis * kTicksPerMillisecond;
  if (ticks < 0) return std::nullopt;
  FILETIME file_time;
  file_time.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) & 0xFFFFFFFFu);
  file_time.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
  Moment result;
  TIME_ZONE_INFORMATION zone{};
  if (!::FileTimeToSystemTime(&file_time, &result.utc)) return std::nullopt;
  if (!::GetTimeZoneInformationForYear(result.utc.wYear, nullptr, &zone) ||
      !::SystemTimeToTzSpecificLocalTime(&zone, &result.utc, &result.local)) {
    return std::nullopt;
  }
  return result;
}

[[noreturn]] void ThrowUnplaced() {
  const DWORD error = ::GetLastError();
  throw std::system_error(static_cast<int>(error != ERROR_SUCCESS ? error : ERROR_INVALID_PARAMETER),
                          std::system_category(), "local time");
}

std::int64_t Ticks(const SYSTEMTIME& time) {
  FILETIME file_time;
  if (!::SystemTimeToFileTime(&time, &file_time)) return 0;
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(file_time.dwHighDateTime) << 32 |
                                   file_time.dwLowDateTime);
}

}  // namespace

CivilTime ToLocalCivilTime(std::chrono::system_clock::time_point moment) {
  const auto converted = Convert(moment);
  if (!converted) ThrowUnplaced();
  const SYSTEMTIME& local = converted->local;
  return CivilTime{local.wYear,   local.wMonth,  local.wDay,         local.wHour,
                   local.wMinute, local.wSecond, local.wMilliseconds};
}

int UtcOffsetMinutes(std::chrono::system_clock::time_point moment) {
  const auto converted = Convert(moment);
  if (!converted) ThrowUnplaced();
  const std::int64_t difference = Ticks(converted->utc) - Ticks(converted->local);
  return static_cast<int>(difference / (60 * 1000 * kTicksPerMillisecond));
}

}  // namespace lumora::platform
