#include "logging/log_switches.h"

#include <charconv>

#include "logging/log_settings.h"
#include "logging/uQzLogging.h"

namespace lumora {
namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Spaces and control characters go from both ends.
std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

bool ParseInteger(std::string_view text, int& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string GetCmdLineSwitchValue(std::string_view name, const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.empty() || (argument.front() != '-' && argument.front() != '/')) continue;
    const auto separator = argument.find_first_of(":=", 1);
    if (separator == std::string::npos || separator + 1 == argument.size()) continue;
    if (!EqualIgnoringCase(std::string_view(argument).substr(1, separator - 1), name)) continue;
    return argument.substr(separator + 1);
  }
  return {};
}

void ReadLogSwitches(const std::vector<std::string>& arguments) {
  const std::string level_text = GetCmdLineSwitchValue("loglevel", arguments);
  if (const std::string_view value = Trim(level_text); !value.empty()) {
    int level = 0;
    // Text that is not a number takes what GlobalLogLevel answers, which is
    // -1 before any logger exists: the logger stays silent until the
    // configuration sets a usable level.
    if (!ParseInteger(value, level)) level = GlobalLogLevel();
    SetGlobalLogLevel(level);
    SetGlobalLoggingEnabled(DefaultLogLevel() != 0);
  }
  const std::string machine_text = GetCmdLineSwitchValue("logmachine", arguments);
  if (const std::string_view value = Trim(machine_text); !value.empty()) {
    SetLogMachine(value.front() == '1' || value.front() == 'T' || value.front() == 'Y');
    SetGlobalLoggingEnabled(DefaultLoggingEnabled() || LogMachine());
  }
  const std::string trace_text = GetCmdLineSwitchValue("tracelogdir", arguments);
  if (const std::string_view value = Trim(trace_text); !value.empty()) {
    SetTraceLogDir(std::string(value));
  }
}

}  // namespace lumora
