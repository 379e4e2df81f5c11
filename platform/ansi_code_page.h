#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform_errors.h"

namespace lumora::platform {

// The machine's 8-bit "ANSI" code page. Text inside the programs is UTF-8;
// files that Windows programs share with us (the configuration file, batch
// files, log files) are 8-bit text in this code page, which is Windows-1252.

// UTF-8 to Windows-1252. Characters the code page cannot hold, and bytes that
// are not valid UTF-8, become "?".
std::string ToAnsi(std::string_view utf8);

// Decodes the UTF-8 sequence at text[pos] and moves pos past it. Returns the
// code point, or -1 for a malformed sequence (after consuming one byte).
std::int32_t DecodeUtf8(std::string_view text, std::size_t& pos);

// Windows-1252 to UTF-8. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as
// Windows itself does, so every byte sequence converts and converts back.
std::string FromAnsi(std::string_view ansi);

}  // namespace lumora::platform
