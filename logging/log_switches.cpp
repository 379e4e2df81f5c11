#include "logging/log_switches.h"

#include "foundation/text.h"
#include "logging/log_settings.h"
#include "logging/uQzLogging.h"

namespace lumora {

std::string GetCmdLineSwitchValue(std::string_view name, const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument.empty() || (argument.front() != '-' && argument.front() != '/')) continue;
    const auto separator = argument.find_first_of(":=", 1);
    if (separator == std::string::npos || separator + 1 == argument.size()) continue;
    if (!SameText(std::string_view(argument).substr(1, separator - 1), name)) continue;
    return argument.substr(separator + 1);
  }
  return {};
}

void ReadLogSwitches(const std::vector<std::string>& arguments) {
  const std::string level_text = GetCmdLineSwitchValue("loglevel", arguments);
  if (const std::string_view value = Trim(level_text); !value.empty()) {
    // Text that is not a number takes what GlobalLogLevel answers, which is
    // -1 before any logger exists: the logger stays silent until the
    // configuration sets a usable level.
    SetGlobalLogLevel(DecimalInteger(value).value_or(GlobalLogLevel()));
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
