#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/temp_dir.h"

namespace lumora::test {

// Runs the program's global logger for one test in a fresh temporary log
// directory, at a chosen level, and reads back what it wrote. Link the
// library lumora_log_capture.
//
//   LogCapture capture(9);              // StartGlobalLog("LumoraTest") at level 9
//   CodeUnderTest();                    // logs through Log, LogErr, ...
//   EXPECT_THAT(capture.Messages(), Contains("BEGIN"));
//
// The start-of-log banner is left out of what the readers return. Reading
// first waits until every line logged so far is in the file. The destructor
// ends the global logger and restores LogDir and the default level.
class LogCapture {
 public:
  explicit LogCapture(int level = 9, std::string module_name = "LumoraTest");
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // Whole lines as written (timestamp, tag, area, message), without CR LF,
  // converted from the ANSI code page to UTF-8.
  std::vector<std::string> Lines();
  // Each line from its tag on: tag + "|" + area column + "| " + message.
  std::vector<std::string> Payloads();
  // The message part of each line (from column 89).
  std::vector<std::string> Messages();
  // True when some message contains text.
  bool Contains(std::string_view text);

  // Ends the global logger now (the writer drains first); the readers still
  // work afterwards.
  void End();

  // The log directory with a trailing separator.
  std::string Dir() const { return dir_.dir(); }

 private:
  std::vector<std::string> AllLines();

  TempDir dir_;
  std::string module_name_;
  std::string saved_log_dir_;
  int saved_level_;
  std::size_t banner_lines_ = 0;
  bool ended_ = false;
};

// The lines of one log file's bytes: split at CR LF and converted to UTF-8.
std::vector<std::string> SplitLogLines(std::string_view bytes);

}  // namespace lumora::test
