#pragma once

// The rule that tidies a time box's text when the operator leaves the box,
// and the reading of a box's text when the window saves. Pure functions: the
// window only shows their results.

#include <string>
#include <string_view>

namespace lumora {

// Outcome of checking one time box.
struct TTimeBoxCheck {
  bool accepted = false;
  // Accepted: the box's new text ("hh:nn AM", or empty for unset).
  // Rejected: the text as transformed up to the failing step, which the
  // message quotes.
  std::string text;
};

// Applies the validation rule to what the operator typed: "9:30pm" becomes
// "09:30 PM", "22:00" becomes "10:00 PM", "0930" is rejected.
TTimeBoxCheck ValidateTimeText(std::string_view typed);

// The message shown for a rejected entry.
std::string InvalidTimeMessage(std::string_view transformed);

// The time of day a box stands for when saving: unset (-1.0) for empty text;
// otherwise the time that begins the text, even when other text follows it
// ("9:30 foo" gives 09:30), or unset when no time begins it.
double ReadTimeText(std::string_view text);

}  // namespace lumora
