#pragma once

#include <string>

namespace lumora::platform {

// The machine's host name; empty text when the system cannot tell it.
std::string HostName();

}  // namespace lumora::platform
