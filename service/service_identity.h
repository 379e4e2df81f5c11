#pragma once

// Who the service is: its name, the registry key that installation writes
// for it, and whether this process runs it in the foreground. Header-only,
// so that the engine and the demo tool need nothing of the host.

#include <string>
#include <string_view>

namespace lumora {

inline constexpr std::string_view kServiceName = "LumoraRPro9Connector";

// Installation records the program directory under HKEY_LOCAL_MACHINE in
// ServiceRegistryKey(), value kServiceDirectoryValue; the engine reads it
// back in service mode.
inline constexpr std::string_view kRegistryKeyBase = "SOFTWARE\\OrvikSoftware\\Lumora\\";
inline constexpr std::string_view kServiceDirectoryValue = "ServiceDirectory";
inline std::string ServiceRegistryKey() {
  return std::string(kRegistryKeyBase) + std::string(kServiceName);
}

// True when the program runs the engine in the foreground (switch
// "console"). Set once by the program entry; the engine reads it.
inline bool ConsoleMode = false;

}  // namespace lumora
