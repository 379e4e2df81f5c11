#pragma once

// What the embedded engine's look at a query's text counts as one word.

namespace lumora {

// A character of a name, keyword or bind name in Oracle's SQL: letters,
// digits, '_', and the '$' and '#' that Oracle allows in names.
constexpr bool IsSqlWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || c == '#';
}

}  // namespace lumora
