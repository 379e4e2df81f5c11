#pragma once

#include <string>
#include <vector>

#include "platform/platform_errors.h"

namespace lumora::platform {

// Where a child program's standard output and standard error go.
enum class ChildOutput {
  kCapture,  // output collected into the result; standard error discarded
  kInherit,  // both go wherever this program's own go
};

// How a program ended.
struct ProcessResult {
  int exit_code = -1;  // its exit status; -1 when a signal ended it
  std::string output;  // its standard output with ChildOutput::kCapture
};

// Runs a program and waits until it ends. argv[0] names the program: a path,
// or a bare name looked up in PATH. The arguments go to the program as they
// are, never through a shell. A non-zero exit status is an answer, not a
// failure. Throws std::system_error when the program cannot be started,
// std::invalid_argument for an empty argv.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         ChildOutput output = ChildOutput::kCapture);

}  // namespace lumora::platform
