#include "platform/local_time.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <optional>
#include <tuple>

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
  if (::localtime_r(&t, &local) == nullptr) throw ErrnoError(errno, "local time");
  return CivilTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                   local.tm_min,         local.tm_sec,      static_cast<int>(millis)};
}

int UtcOffsetMinutes(std::chrono::system_clock::time_point moment) {
  const std::time_t t = std::chrono::system_clock::to_time_t(moment);
  std::tm local{};
  if (::localtime_r(&t, &local) == nullptr) throw ErrnoError(errno, "local time");
  // tm_gmtoff is seconds east of UTC (local = UTC + gmtoff), the opposite sign
  // of the offset the programs store.
  return static_cast<int>(-local.tm_gmtoff / 60);
}

namespace {

auto Fields(const std::tm& t) {
  return std::make_tuple(t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
}

auto Fields(const CivilTime& c) {
  return std::make_tuple(c.year - 1900, c.month - 1, c.day, c.hour, c.minute, c.second);
}

bool LocalFields(std::time_t t, std::tm& out) { return ::localtime_r(&t, &out) != nullptr; }

// mktime's readings of the fields with and without daylight-saving time;
// which of them the clock really shows is checked by the callers.
std::vector<std::time_t> Candidates(const CivilTime& local) {
  std::vector<std::time_t> found;
  for (const int isdst : {-1, 0, 1}) {
    std::tm fields{};
    fields.tm_year = local.year - 1900;
    fields.tm_mon = local.month - 1;
    fields.tm_mday = local.day;
    fields.tm_hour = local.hour;
    fields.tm_min = local.minute;
    fields.tm_sec = local.second;
    fields.tm_isdst = isdst;
    const std::time_t t = ::mktime(&fields);
    if (t != static_cast<std::time_t>(-1)) found.push_back(t);
  }
  return found;
}

std::chrono::system_clock::time_point Moment(std::time_t t, int millisecond) {
  return std::chrono::system_clock::from_time_t(t) + std::chrono::milliseconds(millisecond);
}

}  // namespace

std::vector<std::chrono::system_clock::time_point> MomentsOfLocalTime(const CivilTime& local) {
  std::vector<std::time_t> exact;
  for (const std::time_t t : Candidates(local)) {
    std::tm shown{};
    if (LocalFields(t, shown) && Fields(shown) == Fields(local)) exact.push_back(t);
  }
  std::sort(exact.begin(), exact.end());
  exact.erase(std::unique(exact.begin(), exact.end()), exact.end());
  std::vector<std::chrono::system_clock::time_point> moments;
  for (const std::time_t t : exact) moments.push_back(Moment(t, local.millisecond));
  return moments;
}

std::optional<std::chrono::system_clock::time_point> FirstMomentAtOrAfter(const CivilTime& local) {
  if (const auto moments = MomentsOfLocalTime(local); !moments.empty()) return moments.front();
  // A skipped time: the clock jumps over it somewhere within a few hours of
  // mktime's guesses. Search that span for the first second it shows a
  // later time.
  const std::vector<std::time_t> guesses = Candidates(local);
  if (guesses.empty()) return std::nullopt;
  std::time_t low = *std::min_element(guesses.begin(), guesses.end()) - 3 * 3600;
  std::time_t high = *std::max_element(guesses.begin(), guesses.end()) + 3 * 3600;
  const auto later_or_equal = [&](std::time_t t) {
    std::tm shown{};
    return LocalFields(t, shown) && Fields(shown) >= Fields(local);
  };
  while (low < high) {
    const std::time_t middle = low + (high - low) / 2;
    if (later_or_equal(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return Moment(low, 0);
}

}  // namespace lumora::platform
