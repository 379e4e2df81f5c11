#include "configuration/time_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/fake_clock.h"
#include "tests/support/log_capture.h"

namespace lumora {
namespace {

using test::At;
using test::FakeClock;

double Hms(int hour, int minute, int second = 0, int millisecond = 0) {
  return At(1899, 12, 30, hour, minute, second, millisecond);
}

TEST(FormatTimeOfDay, TwelveHourClockWithSecondsDropped) {
  struct Case {
    const char* name;
    double value;
    const char* text;
  } const cases[] = {
      {.name = "unset marker", .value = -1.0, .text = ""},
      {.name = "below the set threshold", .value = -0.6, .text = ""},
      {.name = "midnight", .value = 0.0, .text = "12:00 AM"},
      {.name = "half past midnight", .value = Hms(0, 30), .text = "12:30 AM"},
      {.name = "noon", .value = 0.5, .text = "12:00 PM"},
      {.name = "afternoon", .value = Hms(13, 5), .text = "01:05 PM"},
      {.name = "seconds are truncated", .value = 0.999, .text = "11:58 PM"},
      {.name = "59 seconds still truncate", .value = Hms(9, 5, 59, 999), .text = "09:05 AM"},
      {.name = "day part ignored", .value = 1.25, .text = "06:00 AM"},
      {.name = "a date with a time", .value = At(2020, 5, 6, 21, 5), .text = "09:05 PM"},
      {.name = "one second past midnight", .value = 1.0 / 86400.0, .text = "12:00 AM"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatTimeOfDay(c.value), c.text) << c.name;
  }
}

TEST(ParseTimeOfDay, LenientGrammar) {
  struct Case {
    const char* text;
    bool ok;
    double value = 0.0;
  } const cases[] = {
      {.text = "9:05 pm", .ok = true, .value = Hms(21, 5)},
      {.text = "21:05", .ok = true, .value = Hms(21, 5)},
      {.text = "09:05PM", .ok = true, .value = Hms(21, 5)},
      {.text = "pm 9:05", .ok = true, .value = Hms(21, 5)},
      {.text = "  9 : 05  Pm  ", .ok = true, .value = Hms(21, 5)},
      {.text = "12:00 AM", .ok = true, .value = 0.0},
      {.text = "12:00 PM", .ok = true, .value = 0.5},
      {.text = "12:30 am", .ok = true, .value = Hms(0, 30)},
      {.text = "7", .ok = true, .value = Hms(7, 0)},
      {.text = "7 AM", .ok = true, .value = Hms(7, 0)},
      {.text = "23:59:59.999", .ok = true, .value = Hms(23, 59, 59, 999)},
      {.text = "0:00:07", .ok = true, .value = Hms(0, 0, 7)},
      {.text = "00009:05", .ok = true, .value = Hms(9, 5)},
      {.text = "13:00 PM", .ok = false},
      {.text = "0:30 AM", .ok = false},
      {.text = "24:00", .ok = false},
      {.text = "9:60", .ok = false},
      {.text = "9:05:60", .ok = false},
      {.text = "9:05:00.1000", .ok = false},
      {.text = "am 9:05 pm", .ok = false},
      {.text = "9:", .ok = false},
      {.text = "9:05 xm", .ok = false},
      {.text = "9.05", .ok = false},
      {.text = "", .ok = false},
      {.text = "   ", .ok = false},
      {.text = "soon", .ok = false},
      {.text = "99999999999999999999:00", .ok = false},
  };
  for (const Case& c : cases) {
    double value = -7.0;
    EXPECT_EQ(ParseTimeOfDay(c.text, value), c.ok) << '"' << c.text << '"';
    if (c.ok) {
      EXPECT_NEAR(value, c.value, 1e-12) << '"' << c.text << '"';
    } else {
      EXPECT_EQ(value, -7.0) << "a failed parse leaves the value: \"" << c.text << '"';
    }
  }
}

TEST(ReadTimeOfDay, KeepsTheCurrentValueUnlessTheTextParses) {
  EXPECT_EQ(ReadTimeOfDay("", 0.5), 0.5);
  EXPECT_EQ(ReadTimeOfDay("soon", 0.5), 0.5);
  EXPECT_EQ(ReadTimeOfDay("12:00 AM", 0.5), 0.0);
  EXPECT_EQ(ReadTimeOfDay("09:30 PM", -1.0), Hms(21, 30));
}

TEST(FormatThenParseTimeOfDay, RoundTripsEveryMinute) {
  for (int minute = 0; minute < 24 * 60; ++minute) {
    const double value = Hms(minute / 60, minute % 60);
    double back = -1.0;
    ASSERT_TRUE(ParseTimeOfDay(FormatTimeOfDay(value), back)) << minute;
    EXPECT_EQ(FormatTimeOfDay(back), FormatTimeOfDay(value)) << minute;
    EXPECT_NEAR(back, value, 1e-12) << minute;
  }
}

TEST(StoredTimestamp, WrittenInUtcAndReadBackUnderAnotherOffset) {
  FakeClock clock(At(2020, 1, 1), 300);
  const TDateTime local = At(2019, 4, 30, 12, 0);
  const std::string stored = FormatStoredTimestamp(local);
  EXPECT_EQ(stored, "2019-04-30 17:00:00.000");

  clock.SetUtcOffset(240);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", ParseStoredTimestamp(stored)),
            "2019-04-30 13:00:00.000");
  clock.SetUtcOffset(-60);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", ParseStoredTimestamp(stored)),
            "2019-04-30 18:00:00.000");
}

TEST(StoredTimestamp, CrossesMidnightAndKeepsMilliseconds) {
  FakeClock clock(0.0, 300);
  const TDateTime local = At(2019, 12, 31, 22, 3, 9, 250);
  EXPECT_EQ(FormatStoredTimestamp(local), "2020-01-01 03:03:09.250");
  EXPECT_NEAR(ParseStoredTimestamp("2020-01-01 03:03:09.250"), local, 0.5 / kMSecsPerDay);
}

TEST(StoredTimestamp, TheZeroDateRoundTripsOnBothSidesOfUtc) {
  struct Case {
    int utc_offset;  // minutes to add to local time for UTC
    const char* stored;
  } const cases[] = {
      {.utc_offset = 300, .stored = "1899-12-30 05:00:00.000"},   // New York
      {.utc_offset = 0, .stored = "1899-12-30 00:00:00.000"},
      {.utc_offset = -330, .stored = "1899-12-29 18:30:00.000"},  // Kolkata
      {.utc_offset = -600, .stored = "1899-12-29 14:00:00.000"},  // Sydney
  };
  for (const Case& c : cases) {
    FakeClock clock(0.0, c.utc_offset);
    EXPECT_EQ(FormatStoredTimestamp(0.0), c.stored) << c.utc_offset;
    EXPECT_EQ(ParseStoredTimestamp(c.stored), 0.0) << c.utc_offset;
  }
  // Dates before the zero date shift by the offset like any other.
  FakeClock east(0.0, -330);
  const TDateTime before = At(1899, 12, 29, 6, 0);
  EXPECT_EQ(FormatStoredTimestamp(before), "1899-12-29 00:30:00.000");
  EXPECT_EQ(ParseStoredTimestamp("1899-12-29 00:30:00.000"), before);
}

TEST(StoredTimestamp, ParsingIsLenientAboutTheTimeButStrictAboutTheRest) {
  FakeClock clock(0.0, 0);
  struct Case {
    const char* text;
    TDateTime value;
  } const cases[] = {
      {.text = "2019-04-30", .value = At(2019, 4, 30)},
      {.text = "2019-4-3 7:05 pm", .value = At(2019, 4, 3, 19, 5)},
      {.text = "2019-04-30 17:03", .value = At(2019, 4, 30, 17, 3)},
      {.text = "2019-04-30  17:03:09.250  ", .value = At(2019, 4, 30, 17, 3, 9, 250)},
      {.text = "", .value = 0.0},
      {.text = "never", .value = 0.0},
      {.text = "2019-02-29 10:00", .value = 0.0},
      {.text = "2019-04-30T17:03:09", .value = 0.0},
      {.text = "2019-04-3017:03", .value = 0.0},
      {.text = "2019-04-30 25:00", .value = 0.0},
      {.text = "2019/04/30 10:00", .value = 0.0},
      {.text = "2019-04-30 10:00 x", .value = 0.0},
      {.text = "99999999999-04-30", .value = 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ParseStoredTimestamp(c.text), c.value, 0.5 / kMSecsPerDay) << '"' << c.text << '"';
  }
}

TEST(FormatDisplayTimestamp, MonthFirstWithoutConversion) {
  FakeClock clock(0.0, 300);
  EXPECT_EQ(FormatDisplayTimestamp(At(2019, 4, 30, 17, 3, 9, 250)), "04/30/2019 17:03:09");
}

TEST(TextToBool, LenientReading) {
  struct Case {
    const char* text;
    bool value;
  } const cases[] = {
      {"True", true},  {"TRUE", true},   {"t", true},      {"Yes", true},   {"y", true},
      {"  y  ", true}, {"1", true},      {"10", true},     {"17", true},    {"-1", true},
      {" -1 ", true},  {"False", false}, {"No", false},    {"0", false},    {"-2", false},
      {"-10", false},  {"", false},      {"   ", false},   {"x", false},    {"+1", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToBool(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_EQ(BoolToText(true), "True");
  EXPECT_EQ(BoolToText(false), "False");
}

TEST(FieldValueText, ByKind) {
  FakeClock clock(At(2026, 6, 1), 300);
  struct Case {
    const char* name;
    DbValue value;
    std::string text;
  } const cases[] = {
      {.name = "null", .value = DbValue::Null(), .text = ""},
      {.name = "integer", .value = DbValue::Integer(-42), .text = "-42"},
      {.name = "large integer", .value = DbValue::Integer(123456789012345), .text = "123456789012345"},
      {.name = "integral float", .value = DbValue::Float(12345678.0), .text = "12345678"},
      {.name = "fraction", .value = DbValue::Float(2.5), .text = "2.5"},
      {.name = "negative fraction", .value = DbValue::Float(-0.125), .text = "-0.125"},
      {.name = "fifteen digits", .value = DbValue::Float(0.1 + 0.2), .text = "0.3"},
      {.name = "small fixed", .value = DbValue::Float(0.00001), .text = "0.00001"},
      {.name = "small scientific", .value = DbValue::Float(0.000001), .text = "1E-6"},
      {.name = "large scientific", .value = DbValue::Float(1.5e20), .text = "1.5E20"},
      {.name = "upc as float", .value = DbValue::Float(400012345678.0), .text = "400012345678"},
      {.name = "currency", .value = DbValue::Currency(19.99), .text = "19.99"},
      {.name = "zero float", .value = DbValue::Float(0.0), .text = "0"},
      {.name = "zero date", .value = DbValue::Date(0.0), .text = ""},
      {.name = "date, no zone conversion", .value = DbValue::Date(At(2019, 4, 30, 17, 3, 9)),
       .text = "2019-04-30T17:03:09Z"},
      {.name = "driver text", .value = DbValue::DriverText("12345678"), .text = "12345678"},
      {.name = "driver text month first", .value = DbValue::DriverText("01/02/2020"),
       .text = "2020-01-02T00:00:00"},
      {.name = "driver text two-digit year", .value = DbValue::DriverText("12/31/99"),
       .text = "1999-12-31T00:00:00"},
      {.name = "driver text recent two-digit year", .value = DbValue::DriverText("01/02/20"),
       .text = "2020-01-02T00:00:00"},
      {.name = "driver text year first", .value = DbValue::DriverText("2020/01/02"),
       .text = "2020-01-02T00:00:00"},
      {.name = "driver text not a date", .value = DbValue::DriverText("13/45/2020"), .text = "13/45/2020"},
      {.name = "driver text dashes", .value = DbValue::DriverText("01-JAN-202"), .text = "01-JAN-202"},
      {.name = "driver text outside cp1252", .value = DbValue::DriverText("Caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD"),
       .text = "Caf\xC3\xA9 \xE2\x82\xAC ?"},
      {.name = "own text unchanged", .value = DbValue::Text("01/02/2020 \xE4\xB8\xAD"),
       .text = "01/02/2020 \xE4\xB8\xAD"},
      {.name = "boolean true", .value = DbValue::Boolean(true), .text = "TRUE"},
      {.name = "boolean false", .value = DbValue::Boolean(false), .text = "FALSE"},
      {.name = "16-bit integer", .value = DbValue::Other(7), .text = "(variant)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldValueText(c.value), c.text) << c.name;
  }
}

TEST(FieldValueText, DateCheckOfDriverTextLeavesDebugLines) {
  FakeClock clock(At(2026, 6, 1), 0);
  test::LogCapture capture(9);
  EXPECT_EQ(FieldValueText(DbValue::DriverText("12345678")), "12345678");
  EXPECT_EQ(FieldValueText(DbValue::DriverText("02/29/2020")), "2020-02-29T00:00:00");
  EXPECT_EQ(FieldValueText(DbValue::DriverText("02/30/2020")), "02/30/2020");
  EXPECT_EQ(capture.Messages(),
            (std::vector<std::string>{"Attempting to convert \"02/29/2020\" to date...",
                                      "Attempting to convert \"02/30/2020\" to date...",
                                      "attempt failed! '02/30/2020' is not a valid date"}));
}

}  // namespace
}  // namespace lumora
