#include "configurator/time_box_rule.h"

#include <cstdio>

#include "configuration/connector_config.h"
#include "configuration/time_values.h"
#include "foundation/text.h"

namespace lumora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Characters at 1-based positions, so the code reads like the rule; a
// position beyond the end matches nothing.
char At(const std::string& w, std::size_t position) {
  return position >= 1 && position <= w.size() ? w[position - 1] : '\0';
}

// Replaces the two hour digits of an afternoon hour (13..24 typed on the
// 24-hour clock) with the hour minus 12. False when they are not digits,
// which the operator sees as an invalid time.
bool ShiftAfternoonHour(std::string& w) {
  if (!IsDigit(w[0]) || !IsDigit(w[1])) return false;
  const int hour = (w[0] - '0') * 10 + (w[1] - '0');
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", hour - 12);
  w.replace(0, 2, digits);
  return true;
}

TTimeBoxCheck Reject(std::string w) { return {false, std::move(w)}; }

}  // namespace

TTimeBoxCheck ValidateTimeText(std::string_view typed) {
  std::string w = AsciiUpper(Trim(typed));
  if (w.empty()) return {true, {}};

  if (At(w, 2) == ':') w.insert(0, "0");
  if (At(w, 3) != ':') return Reject(w);

  // A run of blanks between the minutes and the designator shrinks to one.
  while (At(w, 6) == ' ' && At(w, 7) == ' ') w.erase(5, 1);
  if (w.size() < 5 || w.size() > 8) return Reject(w);

  const bool afternoon = At(w, 1) == '2' || (At(w, 1) == '1' && At(w, 2) > '2');
  if (w.size() == 5) {
    if (afternoon) {
      if (!ShiftAfternoonHour(w)) return Reject(w);
      w += " PM";
    } else if (w.compare(0, 2, "00") == 0) {
      w.replace(0, 2, "12");
      w += " AM";
    } else {
      w += " AM";
    }
  } else if (afternoon && !ShiftAfternoonHour(w)) {
    return Reject(w);
  }

  if (w.size() > 5 && At(w, 6) != ' ') w.insert(5, " ");

  const char first = At(w, 1);
  const bool shaped = (first == '0' || first == '1' || first == '2') && IsDigit(At(w, 2)) &&
                      IsDigit(At(w, 4)) && IsDigit(At(w, 5)) &&
                      (At(w, 7) == 'A' || At(w, 7) == 'P') && At(w, 8) == 'M';
  if (!shaped) return Reject(w);

  double value = kUnsetTime;
  if (!ParseTimeOfDay(w, value)) return Reject(w);
  return {true, FormatTimeOfDay(value)};
}

std::string InvalidTimeMessage(std::string_view transformed) {
  std::string message = "Invalid date time entered: \"";
  message += transformed;
  message += '"';
  return message;
}

double ReadTimeText(std::string_view text) {
  if (text.empty()) return kUnsetTime;
  // The longest leading part that is a valid time wins, so trailing words
  // typed after a time do not throw the time away.
  for (std::size_t length = text.size(); length > 0; --length) {
    double value = kUnsetTime;
    if (ParseTimeOfDay(text.substr(0, length), value)) return value;
  }
  return kUnsetTime;
}

}  // namespace lumora
