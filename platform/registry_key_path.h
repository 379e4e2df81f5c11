#pragma once

// Key-path helpers shared by the registry's per-OS siblings.

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform_errors.h"

namespace lumora::platform {

// ASCII letters compared without case, as the registry compares names. The
// platform lies below foundation/, so this is its own copy of SameText.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The names of a key path; "\" and "/" both separate, empty names drop out.
std::vector<std::string> SplitKeyPath(std::string_view path);

}  // namespace lumora::platform
