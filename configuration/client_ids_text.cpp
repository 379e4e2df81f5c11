#include "configuration/client_ids_text.h"

#include "foundation/text.h"

namespace lumora {
namespace {

constexpr char kQuote = '"';

// Blanks and control characters separate entries just as "|" does.
bool NeedsQuotes(std::string_view entry) {
  for (const char c : entry) {
    if (IsBlankOrControl(c) || c == kQuote || c == kClientIDDelimiter) return true;
  }
  return false;
}

void AppendQuoted(std::string& out, std::string_view entry) {
  out += kQuote;
  for (const char c : entry) {
    if (c == kQuote) out += kQuote;
    out += c;
  }
  out += kQuote;
}

// Reads a quoted entry starting at the opening quote; a doubled quote stands
// for one. An entry whose closing quote is missing runs to the end.
std::string ReadQuoted(std::string_view text, std::size_t& pos) {
  std::string entry;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == kQuote) {
      ++pos;
      if (pos >= text.size() || text[pos] != kQuote) break;
    }
    entry += text[pos];
    ++pos;
  }
  return entry;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlankOrControl(text[pos])) ++pos;
}

}  // namespace

std::string ClientIDsToText(const std::vector<std::string>& entries) {
  if (entries.size() == 1 && entries.front().empty()) return {kQuote, kQuote};
  std::string out;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) out += kClientIDDelimiter;
    if (NeedsQuotes(entries[i])) {
      AppendQuoted(out, entries[i]);
    } else {
      out += entries[i];
    }
  }
  return out;
}

std::vector<std::string> ClientIDsFromText(std::string_view text) {
  std::vector<std::string> entries;
  std::size_t pos = 0;
  SkipBlanks(text, pos);
  while (pos < text.size()) {
    if (text[pos] == kQuote) {
      entries.push_back(ReadQuoted(text, pos));
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && !IsBlankOrControl(text[pos]) && text[pos] != kClientIDDelimiter) {
        ++pos;
      }
      entries.emplace_back(text.substr(start, pos - start));
    }
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == kClientIDDelimiter) {
      if (pos + 1 == text.size()) entries.emplace_back();
      ++pos;
      SkipBlanks(text, pos);
    }
  }
  return entries;
}

}  // namespace lumora
