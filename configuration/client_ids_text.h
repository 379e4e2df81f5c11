#pragma once

// The delimited text form of ClientIDs in the configuration file: entries
// joined by "|", an entry with blanks, control characters, "|" or double
// quotes enclosed in double quotes. Both directions are pure functions so
// tests and fuzzers can drive them directly.

#include <string>
#include <string_view>
#include <vector>

namespace lumora {

inline constexpr char kClientIDDelimiter = '|';

// The entries as delimited text; an empty list gives empty text and a list of
// one empty entry gives two double quotes.
std::string ClientIDsToText(const std::vector<std::string>& entries);

// The entries of delimited text. Unquoted blanks and control characters end
// an entry; a "|" as the very last character adds one more, empty entry.
std::vector<std::string> ClientIDsFromText(std::string_view text);

}  // namespace lumora
