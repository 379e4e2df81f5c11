#include "configuration/time_values.h"

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <optional>

#include "foundation/clock.h"
#include "foundation/text.h"
#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"

namespace lumora {
namespace {

// Numbers in typed times and dates never need more digits than this; capping
// the accumulator keeps a long run of digits from overflowing.
constexpr int kNumberCap = 1'000'000;

// A cursor over text for the small hand-written grammars below.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  std::size_t Position() const { return pos_; }

  // Inside these grammars only the space is a blank; a tab or line break
  // in a typed time makes it invalid.
  void SkipBlanks() {
    while (!AtEnd() && text_[pos_] == ' ') ++pos_;
  }

  bool Accept(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  // One or more decimal digits; `digits` receives how many were read.
  std::optional<int> Number(int* digits = nullptr) {
    int value = 0;
    int count = 0;
    while (!AtEnd() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      if (value < kNumberCap) value = value * 10 + (text_[pos_] - '0');
      ++pos_;
      ++count;
    }
    if (digits != nullptr) *digits = count;
    if (count == 0) return std::nullopt;
    return value;
  }

  // "AM" or "PM" in any case: 1 for PM, 0 for AM, nothing otherwise.
  std::optional<int> Designator() {
    if (pos_ + 2 > text_.size()) return std::nullopt;
    const char first = AsciiUpper(text_[pos_]);
    const char second = AsciiUpper(text_[pos_ + 1]);
    if (second != 'M' || (first != 'A' && first != 'P')) return std::nullopt;
    pos_ += 2;
    return first == 'P' ? 1 : 0;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

struct TimeFields {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The time-of-day grammar: [ampm] hour[:nn[:ss[.zzz]]] [ampm], blanks
// allowed around every part, at most one designator. Consumes the whole rest
// of the scanner's text.
std::optional<TimeFields> ScanTime(Scanner& in) {
  in.SkipBlanks();
  std::optional<int> pm = in.Designator();
  in.SkipBlanks();
  TimeFields t;
  const auto hour = in.Number();
  if (!hour) return std::nullopt;
  t.hour = *hour;
  in.SkipBlanks();
  if (in.Accept(':')) {
    in.SkipBlanks();
    const auto minute = in.Number();
    if (!minute) return std::nullopt;
    t.minute = *minute;
    in.SkipBlanks();
    if (in.Accept(':')) {
      in.SkipBlanks();
      const auto second = in.Number();
      if (!second) return std::nullopt;
      t.second = *second;
      in.SkipBlanks();
      if (in.Accept('.')) {
        in.SkipBlanks();
        const auto millisecond = in.Number();
        if (!millisecond) return std::nullopt;
        t.millisecond = *millisecond;
        in.SkipBlanks();
      }
    }
  }
  if (!pm) {
    pm = in.Designator();
    in.SkipBlanks();
  }
  if (!in.AtEnd()) return std::nullopt;
  if (pm) {
    if (t.hour < 1 || t.hour > 12) return std::nullopt;
    if (t.hour == 12) t.hour = 0;
    if (*pm == 1) t.hour += 12;
  }
  if (t.hour > 23 || t.minute > 59 || t.second > 59 || t.millisecond > 999) return std::nullopt;
  return t;
}

double TimeFraction(const TimeFields& t) {
  return (((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond) / kMSecsPerDay;
}

// Before the zero date a date-time value counts its time of day forwards
// from the start of its day (-1.25 is 1899-12-29 06:00), so adding a UTC
// offset to it, or to a value that the offset moves across the zero date,
// lands on the wrong day: "never" east of UTC would come back as a later
// time. The shift is therefore made on a plain count of milliseconds.
std::int64_t ToMilliseconds(TDateTime value) {
  const auto total = static_cast<std::int64_t>(std::llround(value * kMSecsPerDay));
  const auto per_day = static_cast<std::int64_t>(kMSecsPerDay);
  const std::int64_t day = total / per_day;
  const std::int64_t time = (total < 0 ? -total : total) % per_day;
  return day * per_day + time;
}

TDateTime FromMilliseconds(std::int64_t ms) {
  const auto per_day = static_cast<std::int64_t>(kMSecsPerDay);
  std::int64_t day = ms / per_day;
  if (ms % per_day < 0) --day;
  const double time = static_cast<double>(ms - day * per_day) / kMSecsPerDay;
  const auto days = static_cast<double>(day);
  return day < 0 ? days - time : days + time;
}

std::int64_t OffsetMilliseconds() {
  return static_cast<std::int64_t>(Clock::Current().UtcOffsetMinutes()) * 60000;
}

std::string IsoDateTime(TDateTime value) { return FormatDateTime("yyyy-mm-ddThh:nn:ss", value); }

// Machines without regional settings read short dates the US way: month, day
// and year separated by "/". A first number of more than two digits is taken
// as the year (year/month/day). Two-digit years fall within 50 years of now.
std::optional<TDateTime> ParseShortDate(std::string_view text) {
  Scanner in(text);
  int numbers[3] = {};
  int digits[3] = {};
  for (int i = 0; i < 3; ++i) {
    in.SkipBlanks();
    if (i > 0 && !in.Accept('/')) return std::nullopt;
    in.SkipBlanks();
    const auto n = in.Number(&digits[i]);
    if (!n) return std::nullopt;
    numbers[i] = *n;
  }
  in.SkipBlanks();
  if (!in.AtEnd()) return std::nullopt;
  int year = numbers[2];
  int month = numbers[0];
  int day = numbers[1];
  int year_digits = digits[2];
  if (digits[0] > 2) {
    year = numbers[0];
    month = numbers[1];
    day = numbers[2];
    year_digits = digits[0];
  }
  if (year_digits <= 2) {
    const int century_base = DecodeDateTime(Now()).year - 50;
    year += century_base / 100 * 100;
    if (year < century_base) year += 100;
  }
  if (!IsValidDate(year, month, day)) return std::nullopt;
  return EncodeDateTime(CivilTime{year, month, day, 0, 0, 0, 0});
}

// The date check of driver text: 8 or 10 characters with the separators of a
// short date in one of the usual places.
bool LooksLikeDate(std::string_view ansi) {
  if (ansi.size() != 8 && ansi.size() != 10) return false;
  const auto at = [&](std::size_t position) { return ansi[position - 1]; };
  return (at(3) == '/' && at(6) == '/') || (at(5) == '/' && at(8) == '/') ||
         (at(3) == '-' && at(7) == '-');
}

// The general number form of the database layer: up to 15 significant
// digits, fixed notation while the value has at most 15 integer digits and is
// at least 0.00001, otherwise "d.dddE[-]x".
std::string FloatText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  const std::string_view text(buffer);
  const bool negative = text.front() == '-';
  const std::size_t e = text.find('e');
  std::string mantissa;  // the significant digits without the point
  for (char c : text.substr(0, e)) {
    if (c >= '0' && c <= '9') mantissa.push_back(c);
  }
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  const int exponent = DecimalInteger(text.substr(e + 1)).value_or(0);
  std::string out = negative ? "-" : "";
  if (exponent >= -5 && exponent < 15) {
    if (exponent < 0) {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += mantissa;
    } else {
      const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
      if (mantissa.size() <= integer_digits) {
        out += mantissa;
        out.append(integer_digits - mantissa.size(), '0');
      } else {
        out += mantissa.substr(0, integer_digits);
        out += '.';
        out += mantissa.substr(integer_digits);
      }
    }
    return out;
  }
  out += mantissa.substr(0, 1);
  if (mantissa.size() > 1) {
    out += '.';
    out += mantissa.substr(1);
  }
  out += 'E';
  out += std::to_string(exponent);
  return out;
}

std::string DriverTextValue(const std::string& text) {
  // The driver's text passes through the 8-bit code page, so characters it
  // cannot hold come out as "?"; the date check counts its one-byte characters.
  const std::string ansi = platform::ToAnsi(text);
  std::string result = platform::FromAnsi(ansi);
  if (!LooksLikeDate(ansi)) return result;
  LogDbg("Attempting to convert \"" + result + "\" to date...");
  if (const auto date = ParseShortDate(ansi)) return IsoDateTime(*date);
  LogDbg("attempt failed! '" + result + "' is not a valid date");
  return result;
}

}  // namespace

std::string FormatTimeOfDay(double value) {
  if (!IsTimeSet(value)) return {};
  double fraction = TimeOf(value);
  if (!std::isfinite(fraction)) fraction = 0.0;
  const CivilTime f = DecodeDateTime(fraction);
  const int hour12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d %s", hour12, f.minute, f.hour < 12 ? "AM" : "PM");
  return buffer;
}

bool ParseTimeOfDay(std::string_view text, double& value) {
  Scanner in(text);
  const auto t = ScanTime(in);
  if (!t) return false;
  value = TimeFraction(*t);
  return true;
}

double ReadTimeOfDay(std::string_view text, double current) {
  double value = 0.0;
  if (text.empty() || !ParseTimeOfDay(text, value)) return current;
  return value;
}

std::string FormatStoredTimestamp(TDateTime local) {
  return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz",
                        FromMilliseconds(ToMilliseconds(local) + OffsetMilliseconds()));
}

TDateTime ParseStoredTimestamp(std::string_view text) {
  Scanner in(text);
  int parts[3] = {};
  for (int i = 0; i < 3; ++i) {
    in.SkipBlanks();
    if (i > 0 && !in.Accept('-')) return 0.0;
    in.SkipBlanks();
    const auto n = in.Number();
    if (!n) return 0.0;
    parts[i] = *n;
  }
  if (!IsValidDate(parts[0], parts[1], parts[2])) return 0.0;
  CivilTime fields{parts[0], parts[1], parts[2], 0, 0, 0, 0};
  const std::size_t date_end = in.Position();
  in.SkipBlanks();
  if (!in.AtEnd()) {
    // The time must be set off from the date by at least one blank.
    if (in.Position() == date_end) return 0.0;
    const auto t = ScanTime(in);
    if (!t) return 0.0;
    fields.hour = t->hour;
    fields.minute = t->minute;
    fields.second = t->second;
    fields.millisecond = t->millisecond;
  }
  return FromMilliseconds(ToMilliseconds(EncodeDateTime(fields)) - OffsetMilliseconds());
}

std::string FormatDisplayTimestamp(TDateTime value) {
  return FormatDateTime("mm/dd/yyyy hh:nn:ss", value);
}

bool TextToBool(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return false;
  if (text == "-1") return true;
  const char first = text.front();
  return first == '1' || first == 'T' || first == 't' || first == 'Y' || first == 'y';
}

std::string BoolToText(bool value) { return value ? "True" : "False"; }

std::string FieldValueText(const DbValue& value) {
  switch (value.kind()) {
    case DbValue::Kind::Null:
      return {};
    case DbValue::Kind::Integer:
      return std::to_string(value.integer());
    case DbValue::Kind::Float:
    case DbValue::Kind::Currency:
      return FloatText(value.number());
    case DbValue::Kind::Date:
      return value.number() == 0.0 ? std::string() : IsoDateTime(value.number()) + "Z";
    case DbValue::Kind::DriverText:
      return DriverTextValue(value.text());
    case DbValue::Kind::Text:
      return value.text();
    case DbValue::Kind::Boolean:
      return value.boolean() ? "TRUE" : "FALSE";
    case DbValue::Kind::Other:
      break;
  }
  return "(variant)";
}

}  // namespace lumora
