#pragma once

// Text at the Windows API boundary: the programs hold UTF-8, the wide ("W")
// functions take UTF-16. Lone surrogates and invalid UTF-8 become U+FFFD.

#include <string>
#include <string_view>

namespace lumora::platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace lumora::platform::win32
