#include "platform/local_time.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <system_error>
#include <tuple>

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

auto Fields(const CivilTime& c) {
  return std::make_tuple(c.year, c.month, c.day, c.hour, c.minute, c.second, c.millisecond);
}

// The fields read as a UTC moment; the local moments lie within the zone's
// offsets of it.
std::optional<std::chrono::system_clock::time_point> AsIfUtc(const CivilTime& local) {
  SYSTEMTIME fields{};
  fields.wYear = static_cast<WORD>(local.year);
  fields.wMonth = static_cast<WORD>(local.month);
  fields.wDay = static_cast<WORD>(local.day);
  fields.wHour = static_cast<WORD>(local.hour);
  fields.wMinute = static_cast<WORD>(local.minute);
  fields.wSecond = static_cast<WORD>(local.second);
  fields.wMilliseconds = static_cast<WORD>(local.millisecond);
  FILETIME file_time;
  if (local.year < 1601 || !::SystemTimeToFileTime(&fields, &file_time)) return std::nullopt;
  const std::int64_t ticks = static_cast<std::int64_t>(
      static_cast<std::uint64_t>(file_time.dwHighDateTime) << 32 | file_time.dwLowDateTime);
  return std::chrono::system_clock::time_point(
      std::chrono::milliseconds((ticks - kUnixEpochTicks) / kTicksPerMillisecond));
}

// The zone's offsets (minutes, UTC = local + offset) in the given year.
std::vector<int> Offsets(int year) {
  TIME_ZONE_INFORMATION zone{};
  if (!::GetTimeZoneInformationForYear(static_cast<USHORT>(year), nullptr, &zone)) return {0};
  const int bias = static_cast<int>(zone.Bias);
  return {bias, bias + static_cast<int>(zone.StandardBias), bias + static_cast<int>(zone.DaylightBias)};
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

std::vector<std::chrono::system_clock::time_point> MomentsOfLocalTime(const CivilTime& local) {
  std::vector<std::chrono::system_clock::time_point> moments;
  const auto naive = AsIfUtc(local);
  if (!naive) return moments;
  for (const int offset : Offsets(local.year)) {
    const auto candidate = *naive + std::chrono::minutes(offset);
    if (Fields(ToLocalCivilTime(candidate)) == Fields(local)) moments.push_back(candidate);
  }
  std::sort(moments.begin(), moments.end());
  moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
  return moments;
}

std::optional<std::chrono::system_clock::time_point> FirstMomentAtOrAfter(const CivilTime& local) {
  if (const auto moments = MomentsOfLocalTime(local); !moments.empty()) return moments.front();
  const auto naive = AsIfUtc(local);
  if (!naive) return std::nullopt;
  // A skipped time: the clock jumps over it within the zone's offsets of
  // the fields; search that span for the first second showing a later time.
  const auto offsets = Offsets(local.year);
  using std::chrono::seconds;
  auto low = std::chrono::time_point_cast<seconds>(*naive + std::chrono::minutes(*std::min_element(offsets.begin(), offsets.end())) - std::chrono::hours(3));
  auto high = std::chrono::time_point_cast<seconds>(*naive + std::chrono::minutes(*std::max_element(offsets.begin(), offsets.end())) + std::chrono::hours(3));
  while (low < high) {
    const auto middle = low + (high - low) / 2;
    if (Fields(ToLocalCivilTime(middle)) >= Fields(local)) {
      high = middle;
    } else {
      low = middle + seconds(1);
    }
  }
  return low;
}

}  // namespace lumora::platform
