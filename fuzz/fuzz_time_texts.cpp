// The time-of-day and stored-timestamp texts. Whatever text parses gives a
// value whose text form reads back to the same value and the same text; and
// any value of the input, formatted, parses back to that text again.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "configuration/time_values.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// A time of day's text is stable once formatted: parse and format again.
void CheckTimeText(const std::string& text) {
  if (text.empty()) return;
  double value = -1.0;
  Check(lumora::ParseTimeOfDay(text, value));
  Check(value >= 0.0 && value < 1.0);
  Check(lumora::FormatTimeOfDay(value) == text);
}

void CheckStoredTimestamp(lumora::TDateTime local) {
  const std::string text = lumora::FormatStoredTimestamp(local);
  const lumora::TDateTime back = lumora::ParseStoredTimestamp(text);
  // Milliseconds are the finest unit of the text.
  Check(std::fabs(back - local) <= 1.0 / 86400000.0);
  Check(lumora::FormatStoredTimestamp(back) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  double time = -1.0;
  if (ParseTimeOfDay(text, time)) {
    Check(time >= 0.0 && time < 1.0);
    CheckTimeText(FormatTimeOfDay(time));
  }
  Check(ReadTimeOfDay(text, 0.25) == (ParseTimeOfDay(text, time) && !text.empty() ? time : 0.25));

  if (const TDateTime stored = ParseStoredTimestamp(text); stored != 0.0) CheckStoredTimestamp(stored);

  // The first eight bytes as a value: a time of day, and a moment from 1900
  // to about 9800 (stored timestamps are times this program saw).
  if (size >= 8) {
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
      CheckTimeText(FormatTimeOfDay(value));
      const double moment = std::fmod(std::fabs(value), 2900000.0);
      // Whole milliseconds, as the program's clock gives them.
      CheckStoredTimestamp(std::round(moment * 86400000.0) / 86400000.0);
    }
  }
  return 0;
}
