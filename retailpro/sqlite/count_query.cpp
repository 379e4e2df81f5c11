#include "retailpro/sqlite/count_query.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "foundation/text.h"
#include "retailpro/sqlite/sql_words.h"

namespace lumora {
namespace {

struct Token {
  enum class Kind { Word, Open, Close, Literal, Parameter, Other };
  Kind kind;
  std::size_t begin;  // offset in the text
  std::string_view text;
};

// The text's tokens, comments left out; nothing for a text with unbalanced
// brackets, an unterminated literal or comment, or a quoting style the
// product's texts do not use.
std::optional<std::vector<Token>> Tokenize(std::string_view sql) {
  std::vector<Token> tokens;
  int depth = 0;
  std::size_t i = 0;
  while (i < sql.size()) {
    const char c = sql[i];
    const std::size_t begin = i;
    const auto add = [&](Token::Kind kind, std::size_t end) {
      tokens.push_back({kind, begin, sql.substr(begin, end - begin)});
      i = end;
    };
    if (IsBlankOrControl(c)) {
      ++i;
    } else if (c == '\'' || c == '"') {
      // A doubled quote continues the literal or name.
      std::size_t end = i + 1;
      while (true) {
        end = sql.find(c, end);
        if (end == std::string_view::npos) return std::nullopt;
        if (end + 1 < sql.size() && sql[end + 1] == c) {
          end += 2;
          continue;
        }
        break;
      }
      add(c == '"' ? Token::Kind::Word : Token::Kind::Literal, end + 1);
    } else if (sql.substr(i, 2) == "--") {
      const auto end = sql.find('\n', i);
      i = end == std::string_view::npos ? sql.size() : end + 1;
    } else if (sql.substr(i, 2) == "/*") {
      const auto end = sql.find("*/", i + 2);
      if (end == std::string_view::npos) return std::nullopt;
      i = end + 2;
    } else if (IsSqlWordChar(c)) {
      std::size_t end = i;
      while (end < sql.size() && IsSqlWordChar(sql[end])) ++end;
      add(Token::Kind::Word, end);
    } else if ((c == ':' || c == '@') && i + 1 < sql.size() && IsSqlWordChar(sql[i + 1])) {
      std::size_t end = i + 1;
      while (end < sql.size() && IsSqlWordChar(sql[end])) ++end;
      add(Token::Kind::Parameter, end);
    } else if (c == '?') {
      add(Token::Kind::Parameter, i + 1);
    } else if (c == '[' || c == '`' || c == ';') {
      return std::nullopt;
    } else if (c == '(') {
      ++depth;
      add(Token::Kind::Open, i + 1);
    } else if (c == ')') {
      if (--depth < 0) return std::nullopt;
      add(Token::Kind::Close, i + 1);
    } else {
      add(Token::Kind::Other, i + 1);
    }
  }
  if (depth != 0) return std::nullopt;
  return tokens;
}

bool IsWord(const Token& token, std::string_view word) {
  return token.kind == Token::Kind::Word && SameText(token.text, word);
}

template <std::size_t N>
bool IsOneOf(const Token& token, const std::array<std::string_view, N>& words) {
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return IsWord(token, w); });
}

// Functions that fold rows together when they stand outside a subquery.
constexpr std::array<std::string_view, 14> kAggregates = {
    "count", "sum", "avg", "min", "max", "total", "group_concat", "string_agg", "listagg",
    "json_group_array", "json_group_object", "stddev", "variance", "median"};

// Clauses after FROM that change which or how many rows come back in ways a
// bare count of FROM and WHERE would miss.
constexpr std::array<std::string_view, 18> kRowShapingWords = {
    "group", "having", "union", "intersect", "except", "minus", "limit", "offset", "fetch",
    "window", "connect", "start", "model", "pivot", "unpivot", "for", "qualify", "returning"};

using Tokens = std::vector<Token>;

// The index of the bracket that closes the one at `open`.
std::size_t Closing(const Tokens& tokens, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < tokens.size(); ++i) {
    if (tokens[i].kind == Token::Kind::Open) ++depth;
    if (tokens[i].kind == Token::Kind::Close && --depth == 0) return i;
  }
  return tokens.size();
}

// Checks the select list [begin, end) and collects the names it gives its
// items, which a WHERE clause in SQLite may refer to.
bool SelectListCanBeDropped(const Tokens& tokens, std::size_t begin, std::size_t end,
                            std::vector<std::string_view>& names) {
  if (begin == end || IsWord(tokens[begin], "distinct") || IsWord(tokens[begin], "unique")) return false;
  // For each open bracket: whether it starts a subquery.
  std::vector<bool> subquery;
  std::size_t item_begin = begin;
  const auto end_item = [&](std::size_t item_end) {
    // The item's own name: "... as name", or a word right after an
    // expression ("(select ...) committedqty").
    if (item_end - item_begin < 2) return;
    const Token& last = tokens[item_end - 1];
    const Token& before = tokens[item_end - 2];
    if (last.kind != Token::Kind::Word) return;
    if (before.kind == Token::Kind::Word || before.kind == Token::Kind::Close ||
        before.kind == Token::Kind::Literal) {
      names.push_back(last.text);
    }
  };
  for (std::size_t i = begin; i < end; ++i) {
    const Token& token = tokens[i];
    const bool in_subquery = std::find(subquery.begin(), subquery.end(), true) != subquery.end();
    switch (token.kind) {
      case Token::Kind::Open:
        subquery.push_back(i + 1 < end && (IsWord(tokens[i + 1], "select") || IsWord(tokens[i + 1], "with")));
        break;
      case Token::Kind::Close:
        subquery.pop_back();
        break;
      case Token::Kind::Parameter:
        // The count would lack the parameter's place, and its binding fail.
        return false;
      case Token::Kind::Word:
        if (!in_subquery && IsOneOf(token, kAggregates) && i + 1 < end &&
            tokens[i + 1].kind == Token::Kind::Open) {
          return false;
        }
        break;
      case Token::Kind::Other:
        if (subquery.empty() && token.text == ",") {
          end_item(i);
          item_begin = i + 1;
        }
        break;
      case Token::Kind::Literal:
        break;
    }
  }
  end_item(end);
  return true;
}

}  // namespace

std::optional<std::string> CountQueryText(std::string_view sql) {
  const auto tokenized = Tokenize(sql);
  if (!tokenized) return std::nullopt;
  const Tokens& tokens = *tokenized;
  std::size_t begin = 0;
  std::size_t end = tokens.size();
  while (true) {
    if (end - begin < 3 || !IsWord(tokens[begin], "select")) return std::nullopt;
    // The select's own FROM: the first one outside brackets.
    std::size_t from = begin + 1;
    int depth = 0;
    for (; from < end; ++from) {
      if (tokens[from].kind == Token::Kind::Open) ++depth;
      if (tokens[from].kind == Token::Kind::Close) --depth;
      if (depth == 0 && IsWord(tokens[from], "from")) break;
    }
    std::vector<std::string_view> names;
    if (from >= end - 1 || !SelectListCanBeDropped(tokens, begin + 1, from, names)) return std::nullopt;

    // A wrapper around one inner select, adding no clause: count the inner one.
    const std::size_t first = from + 1;
    if (tokens[first].kind == Token::Kind::Open && first + 1 < end && IsWord(tokens[first + 1], "select")) {
      const std::size_t close = Closing(tokens, first);
      const bool bare = close + 1 == end ||
                        (close + 2 == end && tokens[close + 1].kind == Token::Kind::Word &&
                         !IsOneOf(tokens[close + 1], kRowShapingWords) && !IsWord(tokens[close + 1], "where") &&
                         !IsWord(tokens[close + 1], "order") && !IsWord(tokens[close + 1], "join"));
      if (bare) {
        begin = first + 1;
        end = close;
        continue;
      }
    }

    // FROM and WHERE are kept up to an ORDER BY, which a count needs not.
    std::size_t cut = end;
    depth = 0;
    for (std::size_t i = first; i < end; ++i) {
      const Token& token = tokens[i];
      if (token.kind == Token::Kind::Open) ++depth;
      if (token.kind == Token::Kind::Close) --depth;
      if (depth != 0) continue;
      if (IsOneOf(token, kRowShapingWords)) return std::nullopt;
      if (cut == end && IsWord(token, "order") && i + 1 < end && IsWord(tokens[i + 1], "by")) cut = i;
    }
    // A parameter of the dropped ordering would be left without its place.
    for (std::size_t i = cut; i < end; ++i) {
      if (tokens[i].kind == Token::Kind::Parameter) return std::nullopt;
    }
    // SQLite lets WHERE and ON name an item of the select list; a bare word
    // that matches one might mean it, so such a text is counted whole.
    for (std::size_t i = first; i < cut; ++i) {
      const Token& token = tokens[i];
      const bool qualified = i > first && tokens[i - 1].text == ".";
      if (token.kind == Token::Kind::Word && !qualified &&
          std::any_of(names.begin(), names.end(),
                      [&](std::string_view name) { return SameText(name, token.text); })) {
        return std::nullopt;
      }
    }
    const std::size_t text_begin = tokens[first].begin;
    const std::size_t text_end = cut == tokens.size() ? sql.size() : tokens[cut].begin;
    return "select count(*) from " + std::string(sql.substr(text_begin, text_end - text_begin));
  }
}

}  // namespace lumora
