#include "foundation/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace lumora {
namespace {

TEST(Text, TrimDropsBlanksAndControlsButNeverUtf8Bytes) {
  struct Case {
    std::string_view text, trimmed;
  };
  for (const Case& c : std::vector<Case>{
           {.text = "", .trimmed = ""},
           {.text = " \t\r\n", .trimmed = ""},
           {.text = "\x01\x1f" "a b\x7f", .trimmed = "a b\x7f"},
           {.text = std::string_view("\0x\0", 3), .trimmed = "x"},
           {.text = "\xC2\xA0" "1 \xC2\xA0", .trimmed = "\xC2\xA0" "1 \xC2\xA0"},
       }) {
    EXPECT_EQ(Trim(c.text), c.trimmed) << '"' << c.text << '"';
  }
  EXPECT_EQ(Trim("\t 5 \t", " "), "\t 5 \t");
  EXPECT_EQ(Trim("  5\t ", " "), "5\t");
  EXPECT_EQ(Trim("   ", " "), "");
}

TEST(Text, CaseFoldsOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpper("rproods_1@[z]"), "RPROODS_1@[Z]");
  EXPECT_EQ(AsciiLower("ScanInterval_\xC3\x89"), "scaninterval_\xC3\x89");
  struct Case {
    std::string_view a, b;
    bool same;
  };
  for (const Case& c : std::vector<Case>{
           {.a = "LogLevel", .b = "loglevel", .same = true},
           {.a = "", .b = "", .same = true},
           {.a = "abc", .b = "abcd", .same = false},
           {.a = "@", .b = "`", .same = false},  // one bit apart, but no letters
           {.a = "[", .b = "{", .same = false},
           {.a = "\xC3\xA9", .b = "\xC3\x89", .same = false},
       }) {
    EXPECT_EQ(SameText(c.a, c.b), c.same) << c.a << " / " << c.b;
  }
}

TEST(Text, SortOrderIgnoresCaseAndBreaksTiesByBytes) {
  std::vector<std::string> names = {"b.csv", "A_2.csv", "a.csv", "A.csv", "B.csv", "a_1.csv", "Ab.csv"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareTextLess(a, b);
  });
  // "_" (0x5F) sorts before the folded letters; "A" before "a" among equals.
  EXPECT_EQ(names, (std::vector<std::string>{"A.csv", "a.csv", "a_1.csv", "A_2.csv", "Ab.csv",
                                              "B.csv", "b.csv"}));
  EXPECT_FALSE(CompareTextLess("a", "a"));
  EXPECT_TRUE(CompareTextLess("a", "ab"));
  EXPECT_TRUE(CompareTextLess("z", "\xC3\xA9"));
}

TEST(Text, DecimalIntegerTakesOneSignAndDigitsWithin32Bits) {
  struct Case {
    std::string_view text;
    std::optional<int> value;
  };
  for (const Case& c : std::vector<Case>{
           {.text = "0", .value = 0},
           {.text = "600000", .value = 600000},
           {.text = "+4", .value = 4},
           {.text = "-3", .value = -3},
           {.text = "007", .value = 7},
           {.text = "2147483647", .value = 2147483647},
           {.text = "-2147483648", .value = -2147483647 - 1},
           {.text = "2147483648", .value = std::nullopt},
           {.text = "-2147483649", .value = std::nullopt},
           {.text = "99999999999999999999", .value = std::nullopt},
           {.text = "", .value = std::nullopt},
           {.text = "+", .value = std::nullopt},
           {.text = "+-5", .value = std::nullopt},
           {.text = "--5", .value = std::nullopt},
           {.text = " 5", .value = std::nullopt},
           {.text = "5 ", .value = std::nullopt},
           {.text = "5x", .value = std::nullopt},
           {.text = "0x10", .value = std::nullopt},
           {.text = "1e3", .value = std::nullopt},
       }) {
    EXPECT_EQ(DecimalInteger(c.text), c.value) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace lumora
