#include "tests/service/log_recorder.h"

#include <algorithm>
#include <filesystem>

#include "logging/uQzLogging.h"
#include "tests/support/temp_dir.h"

namespace lumora::test {
namespace {
LogCapture* g_capture = nullptr;
std::string g_directory;
std::size_t g_skipped = 0;

std::vector<std::string> LinesInDirectory() {
  DrainGlobalLog(std::chrono::seconds(5));
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(g_directory, ec)) {
    if (item.path().extension() == ".log") files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::string> lines;
  for (const auto& file : files) {
    for (auto& line : SplitLogLines(ReadFileBytes(file))) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> AllLines() {
  if (!g_directory.empty()) return LinesInDirectory();
  return g_capture != nullptr ? g_capture->Lines() : std::vector<std::string>{};
}

std::string Trimmed(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}
}  // namespace

void UseLogCapture(LogCapture* capture) {
  g_capture = capture;
  g_directory.clear();
  g_skipped = 0;
}

void UseLogDirectory(std::string directory) {
  g_directory = std::move(directory);
  g_skipped = 0;
}

std::vector<LogRecord> RecordedLog() {
  std::vector<LogRecord> records;
  const auto lines = AllLines();
  // A line: the time, " | ", the nine-character tag, "|", the area padded
  // to 50, "| ", the message.
  for (std::size_t i = g_skipped; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.size() < 88) {
      records.push_back({"", "", "", std::string(line)});
      continue;
    }
    records.push_back({std::string(line.substr(0, 23)), std::string(line.substr(26, 9)),
                       Trimmed(line.substr(36, 50)), std::string(line.substr(88))});
  }
  return records;
}

void ClearRecordedLog() {
  g_skipped = AllLines().size();
}

int FindLog(std::string_view text, std::string_view area, int from) {
  const auto records = RecordedLog();
  for (int i = std::max(from, 0); i < static_cast<int>(records.size()); ++i) {
    const auto& record = records[static_cast<std::size_t>(i)];
    if (record.message.find(text) != std::string::npos && record.area.starts_with(area)) return i;
  }
  return -1;
}

int FindError(std::string_view method, int from) {
  const auto records = RecordedLog();
  const std::string marker = " in " + std::string(method) + ":";
  for (int i = std::max(from, 0); i < static_cast<int>(records.size()); ++i) {
    const auto& record = records[static_cast<std::size_t>(i)];
    if (record.tag == " ERROR   " && record.message.find(marker) != std::string::npos) return i;
  }
  return -1;
}

int CountLog(std::string_view text) {
  const auto records = RecordedLog();
  return static_cast<int>(std::ranges::count_if(
      records, [text](const LogRecord& r) { return r.message.find(text) != std::string::npos; }));
}

}  // namespace lumora::test
