#pragma once

// Times of day, dates and their text forms, boolean texts and database field
// values as text. The separators and the AM/PM designators are fixed,
// independent of regional settings.

#include <string>
#include <string_view>

#include "foundation/date_time.h"
#include "foundation/db_value.h"

namespace lumora {

// The time-of-day value that marks an unset slot; a slot is set when its
// value is greater than -0.5.
inline constexpr double kUnsetTime = -1.0;
inline bool IsTimeSet(double value) { return value > -0.5; }

// "hh:nn ampm" of the value's time of day (seconds dropped), or empty text
// when the value is unset (not greater than -0.5).
std::string FormatTimeOfDay(double value);

// Reads a time of day in the lenient grammar the operators type ("9:05 pm",
// "21:05", "pm 9:05"). False when the text is not a valid time.
bool ParseTimeOfDay(std::string_view text, double& value);

// Empty or unparsable text gives `current`; otherwise the parsed value.
double ReadTimeOfDay(std::string_view text, double current);

// A local date-time as the stored UTC timestamp "yyyy-mm-dd hh:nn:ss.zzz",
// using the UTC offset of the machine's zone rules now.
std::string FormatStoredTimestamp(TDateTime local);
// The stored UTC timestamp back to local time; 0 (never) when unparsable.
TDateTime ParseStoredTimestamp(std::string_view text);

// "mm/dd/yyyy hh:nn:ss", without time-zone conversion.
std::string FormatDisplayTimestamp(TDateTime value);

bool TextToBool(std::string_view text);
std::string BoolToText(bool value);

// The text of a database field value, by the value's kind. Driver text goes
// through the Windows-1252 code page (characters it lacks become "?"); when it
// has the shape of a short date it is read as one, in the short date format
// of a machine without regional settings: month/day/year with "/" (year first
// when the first number has more than two digits; two-digit years within 50
// years of now), and becomes "yyyy-mm-ddT00:00:00". The attempt, and its
// failure, go to the debug log.
std::string FieldValueText(const DbValue& value);

}  // namespace lumora
