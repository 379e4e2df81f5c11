#include "configuration/client_ids_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumora {
namespace {

using Entries = std::vector<std::string>;

TEST(ClientIDsText, Reading) {
  struct Case {
    const char* name;
    std::string text;
    Entries entries;
  } const cases[] = {
      {.name = "empty", .text = "", .entries = {}},
      {.name = "only blanks", .text = "  \t ", .entries = {}},
      {.name = "two entries", .text = "1.5=X|2.7=Y", .entries = {"1.5=X", "2.7=Y"}},
      {.name = "unquoted blank splits", .text = "1.5=A B", .entries = {"1.5=A", "B"}},
      {.name = "quoted blank kept", .text = "\"1.5=A B\"", .entries = {"1.5=A B"}},
      {.name = "doubled quote", .text = "\"1.5=say \"\"hi\"\"\"|2.7=Y",
       .entries = {"1.5=say \"hi\"", "2.7=Y"}},
      {.name = "quoted delimiter", .text = "\"1.5=a|b\"", .entries = {"1.5=a|b"}},
      {.name = "blanks around entries", .text = "  1.5=X  |  2.7=Y  ", .entries = {"1.5=X", "2.7=Y"}},
      {.name = "control characters separate", .text = "1.5=X\t2.7=Y", .entries = {"1.5=X", "2.7=Y"}},
      {.name = "trailing delimiter adds an empty entry", .text = "1.5=X|", .entries = {"1.5=X", ""}},
      {.name = "trailing delimiter then blank", .text = "1.5=X| ", .entries = {"1.5=X"}},
      {.name = "leading delimiter", .text = "|1.5=X", .entries = {"", "1.5=X"}},
      {.name = "empty entry between", .text = "a||b", .entries = {"a", "", "b"}},
      {.name = "two quotes", .text = "\"\"", .entries = {""}},
      {.name = "unterminated quote runs to the end", .text = "\"1.5=A B", .entries = {"1.5=A B"}},
      {.name = "text after a closing quote", .text = "\"ab\"cd|e", .entries = {"ab", "cd", "e"}},
      {.name = "NUL separates", .text = std::string("a\0b", 3), .entries = {"a", "b"}},
      {.name = "UTF-8 kept", .text = "1.5=Caf\xC3\xA9", .entries = {"1.5=Caf\xC3\xA9"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClientIDsFromText(c.text), c.entries) << c.name;
  }
}

TEST(ClientIDsText, WritingQuotesWhatWouldNotReadBack) {
  struct Case {
    const char* name;
    Entries entries;
    std::string text;
  } const cases[] = {
      {.name = "empty list", .entries = {}, .text = ""},
      {.name = "one empty entry", .entries = {""}, .text = "\"\""},
      {.name = "plain", .entries = {"1.5=X", "2.7=Y"}, .text = "1.5=X|2.7=Y"},
      {.name = "blank", .entries = {"1.5=A B"}, .text = "\"1.5=A B\""},
      {.name = "quote doubled", .entries = {"1.5=a\"b"}, .text = "\"1.5=a\"\"b\""},
      {.name = "delimiter", .entries = {"1.5=a|b", "c"}, .text = "\"1.5=a|b\"|c"},
      {.name = "tab", .entries = {"1.5=a\tb"}, .text = "\"1.5=a\tb\""},
      {.name = "empty among others", .entries = {"a", "", "b"}, .text = "a||b"},
      {.name = "duplicates kept", .entries = {"a", "a"}, .text = "a|a"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClientIDsToText(c.entries), c.text) << c.name;
    EXPECT_EQ(ClientIDsFromText(ClientIDsToText(c.entries)), c.entries) << "round trip: " << c.name;
  }
}

}  // namespace
}  // namespace lumora
