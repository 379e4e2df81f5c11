#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// The value of a command-line switch: the first argument of the form
// "-name=value", "-name:value", "/name=value" or "/name:value" (name compared
// without regard to case) gives everything after the separator; empty when
// no argument matches. "-name", "-name=" and "--name=value" give nothing.
std::string GetCmdLineSwitchValue(std::string_view name, const std::vector<std::string>& arguments);

// Applies "loglevel", "logmachine" and "tracelogdir", in that order, to the
// module settings. Values are trimmed; an empty value is ignored.
void ReadLogSwitches(const std::vector<std::string>& arguments);

}  // namespace lumora
