#pragma once

#include <string>
#include <vector>

#include "platform/platform_errors.h"

namespace lumora::platform {

// Full path of the running program file. Throws std::system_error when the
// system cannot tell.
std::string ExecutablePath();

// The program's command-line arguments without the program path itself, as
// recorded by RecordArguments at the start of main.
const std::vector<std::string>& ProgramArguments();
void RecordArguments(int argc, const char* const* argv);

}  // namespace lumora::platform
