#pragma once

// The text helpers every layer above the platform shares. All of them work on
// bytes and fold only the ASCII letters: names, keys and numbers in this
// system are ASCII, and bytes of multi-byte UTF-8 characters (0x80 and up)
// are never blanks and never change case.

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// A blank or a control character: every byte up to and including the space.
constexpr bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Drops blanks and control characters at both ends.
std::string_view Trim(std::string_view text);
// Drops the bytes of `blanks` at both ends, for callers whose blanks are a
// narrower set (only the space, or only white space).
std::string_view Trim(std::string_view text, std::string_view blanks);

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// Equal but for the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);

// Sort order without regard to ASCII case (letters folded to lower case, so
// "_" sorts before the letters); texts that differ only in case fall back to
// byte order, so the order never depends on the input's order.
bool CompareTextLess(std::string_view a, std::string_view b);

// A decimal integer: an optional sign followed by digits, fitting 32 bits,
// nothing else (no blanks); nothing when the text is not one.
std::optional<int> DecimalInteger(std::string_view text);

}  // namespace lumora
