#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/log_capture.h"

namespace lumora::test {

// One written log line, split into its parts.
struct LogRecord {
  std::string time;     // "yyyy-mm-dd hh:nn:ss.zzz"
  std::string tag;      // nine characters, e.g. " INFO    "
  std::string area;     // without the padding
  std::string message;
};

// Reads the real logger's lines back through the LogCapture a fixture runs.
void UseLogCapture(LogCapture* capture);
// Reads the lines from the log files in `directory` instead, for a program
// that moves its log (the installed service's own log folder); empty goes
// back to the capture.
void UseLogDirectory(std::string directory);

// The log lines written since the last Clear, oldest first.
std::vector<LogRecord> RecordedLog();
void ClearRecordedLog();

// Index of the first record at or after `from` whose message contains
// `text` (and whose area starts with `area` when given); -1 when none.
int FindLog(std::string_view text, std::string_view area = {}, int from = 0);
int CountLog(std::string_view text);
// Index of the first error line logged for the method (LogExc); -1 when none.
int FindError(std::string_view method, int from = 0);

}  // namespace lumora::test
