#pragma once

// How the platform layer reports failure. Every header of platform/ includes
// this one, and every sibling implementation follows it:
//
// - A call that fails throws std::system_error. Its code() is the operating
//   system's error: std::generic_category() for errno values,
//   std::system_category() for Windows error codes. Its message names the
//   object the call was about (the path, the key, the program, the service).
// - An argument the caller should never pass throws std::invalid_argument.
// - An outcome that is a normal answer rather than a failure (a registry key
//   or value that is absent, a service that is not installed, a rename whose
//   target already exists) is a std::optional or a bool, documented on the
//   function.
//
// No error out-parameters, no bool or sentinel meaning "failed", no errno
// left behind for the caller to read. Callers above this layer turn these
// into their own error classes and messages where their users expect them.

#include <string>
#include <system_error>

namespace lumora::platform {

// The exception for an errno value, with the object it concerns.
inline std::system_error ErrnoError(int error_number, const std::string& what) {
  return std::system_error(error_number, std::generic_category(), what);
}

}  // namespace lumora::platform
