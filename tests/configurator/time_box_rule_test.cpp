#include "configurator/time_box_rule.h"

#include <gtest/gtest.h>

#include "configuration/time_values.h"

namespace lumora {
namespace {

struct TimeBoxCase {
  const char* typed;
  bool accepted;
  const char* text;  // the box's new text, or the text the message quotes
};

TEST(TimeBoxRule, TidiesOrRejectsWhatOperatorsType) {
  const TimeBoxCase cases[] = {
      {.typed = "", .accepted = true, .text = ""},
      {.typed = "   ", .accepted = true, .text = ""},
      {.typed = "9:30", .accepted = true, .text = "09:30 AM"},
      {.typed = "9:30pm", .accepted = true, .text = "09:30 PM"},
      {.typed = "09:30   pm", .accepted = true, .text = "09:30 PM"},
      {.typed = "  9:30 Am ", .accepted = true, .text = "09:30 AM"},
      {.typed = "00:15", .accepted = true, .text = "12:15 AM"},
      {.typed = "10:30", .accepted = true, .text = "10:30 AM"},
      {.typed = "12:30", .accepted = true, .text = "12:30 AM"},
      {.typed = "13:45", .accepted = true, .text = "01:45 PM"},
      {.typed = "22:00", .accepted = true, .text = "10:00 PM"},
      {.typed = "24:00", .accepted = true, .text = "12:00 PM"},
      {.typed = "14:00 PM", .accepted = true, .text = "02:00 PM"},
      {.typed = "14:00 AM", .accepted = true, .text = "02:00 AM"},
      {.typed = "12:30 pm", .accepted = true, .text = "12:30 PM"},
      {.typed = "00:30 am", .accepted = false, .text = "00:30 AM"},
      {.typed = "25:00", .accepted = false, .text = "13:00 PM"},
      {.typed = "09:75", .accepted = false, .text = "09:75 AM"},
      {.typed = "0930", .accepted = false, .text = "0930"},
      {.typed = "9:3", .accepted = false, .text = "09:3"},
      {.typed = "9:30 a", .accepted = false, .text = "09:30 A"},
      {.typed = "09:30:00", .accepted = false, .text = "09:30 :00"},
      {.typed = "9:30 xm", .accepted = false, .text = "09:30 XM"},
      {.typed = "1A:30", .accepted = false, .text = "1A:30"},
      {.typed = "9:30 foo", .accepted = false, .text = "09:30 FOO"},
  };
  for (const TimeBoxCase& c : cases) {
    const TTimeBoxCheck check = ValidateTimeText(c.typed);
    EXPECT_EQ(check.accepted, c.accepted) << "typed \"" << c.typed << '"';
    EXPECT_EQ(check.text, c.text) << "typed \"" << c.typed << '"';
  }
}

TEST(TimeBoxRule, MessageQuotesTheTransformedText) {
  EXPECT_EQ(InvalidTimeMessage(ValidateTimeText("9:3").text), "Invalid date time entered: \"09:3\"");
}

TEST(TimeBoxRule, ReadingForSaveTakesTheTimeThatBeginsTheText) {
  struct ReadCase {
    const char* text;
    const char* shown;  // FormatTimeOfDay of the result; empty = unset
  } const cases[] = {
      {.text = "", .shown = ""},
      {.text = "09:30 PM", .shown = "09:30 PM"},
      {.text = "9:30 foo", .shown = "09:30 AM"},
      {.text = "12:00 AM later", .shown = "12:00 AM"},
      {.text = "foo 9:30", .shown = ""},
      {.text = "soon", .shown = ""},
  };
  for (const ReadCase& c : cases) {
    EXPECT_EQ(FormatTimeOfDay(ReadTimeText(c.text)), c.shown) << "text \"" << c.text << '"';
  }
}

}  // namespace
}  // namespace lumora
