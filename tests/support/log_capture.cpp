#include "tests/support/log_capture.h"

#include <algorithm>
#include <filesystem>

#include "logging/log_settings.h"
#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"

namespace lumora::test {
namespace fs = std::filesystem;

namespace {
constexpr std::size_t kPayloadColumn = 26;  // after "yyyy-mm-dd hh:nn:ss.zzz | "
constexpr std::size_t kMessageColumn = 88;
}  // namespace

std::vector<std::string> SplitLogLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const auto end = bytes.find("\r\n");
    lines.push_back(platform::FromAnsi(bytes.substr(0, end)));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

LogCapture::LogCapture(int level, std::string module_name)
    : module_name_(std::move(module_name)), saved_log_dir_(LogDir()), saved_level_(DefaultLogLevel()) {
  EndGlobalLog();
  SetLogDir(dir_.dir());
  SetGlobalLogLevel(level);
  StartGlobalLog(module_name_, false);
  DrainGlobalLog();
  banner_lines_ = AllLines().size();
}

LogCapture::~LogCapture() {
  End();
  SetLogDir(saved_log_dir_);
  SetGlobalLogLevel(saved_level_);
}

void LogCapture::End() {
  if (ended_) return;
  EndGlobalLog();
  ended_ = true;
}

std::vector<std::string> LogCapture::AllLines() {
  if (!ended_) DrainGlobalLog();
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& item : fs::directory_iterator(dir_.path(), ec)) {
    const std::string name = item.path().filename().string();
    if (name.starts_with(module_name_ + "_") && name.ends_with(".log")) files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::string> lines;
  for (const fs::path& file : files) {
    for (std::string& line : SplitLogLines(ReadFileBytes(file))) lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> LogCapture::Lines() {
  std::vector<std::string> lines = AllLines();
  lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(banner_lines_, lines.size())));
  return lines;
}

std::vector<std::string> LogCapture::Payloads() {
  std::vector<std::string> payloads;
  for (const std::string& line : Lines()) {
    payloads.push_back(line.size() > kPayloadColumn ? line.substr(kPayloadColumn) : std::string());
  }
  return payloads;
}

std::vector<std::string> LogCapture::Messages() {
  std::vector<std::string> messages;
  for (const std::string& line : Lines()) {
    messages.push_back(line.size() > kMessageColumn ? line.substr(kMessageColumn) : std::string());
  }
  return messages;
}

bool LogCapture::Contains(std::string_view text) {
  const auto messages = Messages();
  return std::any_of(messages.begin(), messages.end(),
                     [&](const std::string& m) { return m.find(text) != std::string::npos; });
}

}  // namespace lumora::test
