#pragma once

// Small text helpers of the Retail Pro data access.

#include <string>
#include <string_view>

namespace lumora {

// Drops blanks and control characters (everything up to the space) at both ends.
std::string_view TrimControls(std::string_view text);

// ASCII letters to upper or lower case; other bytes unchanged.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace lumora
