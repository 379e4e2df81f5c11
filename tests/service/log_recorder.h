#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumora::test {

// One written log line, split into its parts.
struct LogRecord {
  std::string tag;      // nine characters, e.g. " INFO    "
  std::string area;     // trimmed
  std::string message;
};

// The log lines written since the last Clear, oldest first.
std::vector<LogRecord> RecordedLog();
void ClearRecordedLog();

// Index of the first record at or after `from` whose message contains
// `text` (and whose area starts with `area` when given); -1 when none.
int FindLog(std::string_view text, std::string_view area = {}, int from = 0);
int CountLog(std::string_view text);

}  // namespace lumora::test
