#include "platform/ansi_code_page.h"

#include <gtest/gtest.h>

namespace lumora::platform {
namespace {

TEST(AnsiCodePage, ConvertsBothWays) {
  struct Case {
    const char* utf8;
    const char* ansi;
  };
  const Case cases[] = {
      {.utf8 = "plain ASCII 123", .ansi = "plain ASCII 123"},
      {.utf8 = "\xC3\x84\xC3\xB6\xC3\xBC", .ansi = "\xC4\xF6\xFC"},  // ÄöÜ
      {.utf8 = "\xE2\x82\xAC 5", .ansi = "\x80 5"},                  // euro sign
      {.utf8 = "\xE2\x80\x9Cq\xE2\x80\x9D", .ansi = "\x93q\x94"},   // curly quotes
      {.utf8 = "\xC5\xB8", .ansi = "\x9F"},                          // Y diaeresis
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToAnsi(c.utf8), c.ansi) << c.utf8;
    EXPECT_EQ(FromAnsi(c.ansi), c.utf8) << c.utf8;
  }
}

TEST(AnsiCodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(ToAnsi("a\xE4\xB8\xAD" "b"), "a?b");        // CJK character
  EXPECT_EQ(ToAnsi("\xF0\x9F\x98\x80"), "?");           // emoji
  EXPECT_EQ(ToAnsi("x\xFFy"), "x?y");                   // invalid UTF-8 byte
  EXPECT_EQ(ToAnsi("\xC3"), "?");                        // truncated sequence
  EXPECT_EQ(ToAnsi("\xED\xA0\x80"), "?");  // encoded surrogate
}

TEST(AnsiCodePage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

}  // namespace
}  // namespace lumora::platform
