#include "foundation/date_time.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace lumora {
namespace {

// Days between 1899-12-30 and 1970-01-01.
constexpr std::int64_t kUnixEpochOffset = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

// Whole milliseconds of a value, split into a day number and the time of day,
// the way the original runtime splits it: the day is truncated toward zero and
// the time of day is taken from the magnitude, so values before the zero date
// keep a positive time of day.
void SplitMilliseconds(TDateTime value, std::int64_t& day, std::int64_t& millis) {
  const auto total = static_cast<std::int64_t>(std::llround(value * kMSecsPerDay));
  const auto per_day = static_cast<std::int64_t>(kMSecsPerDay);
  day = total / per_day;
  millis = (total < 0 ? -total : total) % per_day;
}

void AppendNumber(std::string& out, int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  out += buffer;
}

}  // namespace

TDateTime EncodeDateTime(const CivilTime& f) {
  const auto days = static_cast<double>(
      DaysFromCivil(f.year, static_cast<unsigned>(f.month), static_cast<unsigned>(f.day)) +
      kUnixEpochOffset);
  const double time =
      (((f.hour * 60.0 + f.minute) * 60.0 + f.second) * 1000.0 + f.millisecond) / kMSecsPerDay;
  return days < 0 ? days - time : days + time;
}

CivilTime DecodeDateTime(TDateTime value) {
  std::int64_t day = 0;
  std::int64_t millis = 0;
  SplitMilliseconds(value, day, millis);
  CivilTime f;
  CivilFromDays(day - kUnixEpochOffset, f.year, f.month, f.day);
  f.millisecond = static_cast<int>(millis % 1000);
  millis /= 1000;
  f.second = static_cast<int>(millis % 60);
  millis /= 60;
  f.minute = static_cast<int>(millis % 60);
  f.hour = static_cast<int>(millis / 60);
  return f;
}

int DayOfWeek(TDateTime value) {
  std::int64_t day = 0;
  std::int64_t millis = 0;
  SplitMilliseconds(value, day, millis);
  // Day 0 (1899-12-30) was a Saturday.
  const std::int64_t weekday = ((day - 1) % 7 + 7) % 7;  // 0 = Sunday
  return static_cast<int>(weekday) + 1;
}

TDateTime DateOf(TDateTime value) { return std::trunc(value); }

double TimeOf(TDateTime value) { return std::fabs(value - std::trunc(value)); }

bool IsValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int limit = month == 2 && leap ? 29 : kDays[month - 1];
  return day <= limit;
}

std::string FormatDateTime(std::string_view pattern, TDateTime value) {
  const CivilTime f = DecodeDateTime(value);
  std::string out;
  out.reserve(pattern.size() + 4);
  std::size_t i = 0;
  while (i < pattern.size()) {
    const std::string_view rest = pattern.substr(i);
    if (rest.starts_with("yyyy")) {
      AppendNumber(out, f.year, 4);
      i += 4;
    } else if (rest.starts_with("zzz")) {
      AppendNumber(out, f.millisecond, 3);
      i += 3;
    } else if (rest.starts_with("mm")) {
      AppendNumber(out, f.month, 2);
      i += 2;
    } else if (rest.starts_with("dd")) {
      AppendNumber(out, f.day, 2);
      i += 2;
    } else if (rest.starts_with("hh")) {
      AppendNumber(out, f.hour, 2);
      i += 2;
    } else if (rest.starts_with("nn")) {
      AppendNumber(out, f.minute, 2);
      i += 2;
    } else if (rest.starts_with("ss")) {
      AppendNumber(out, f.second, 2);
      i += 2;
    } else {
      out.push_back(pattern[i]);
      ++i;
    }
  }
  return out;
}

}  // namespace lumora
