#include "foundation/date_time.h"

#include <gtest/gtest.h>

#include "tests/support/fake_clock.h"

namespace lumora {
namespace {

using test::At;

TEST(DateTime, ZeroIsTheZeroDate) {
  EXPECT_EQ(At(1899, 12, 30), 0.0);
  EXPECT_EQ(At(1900, 1, 1), 2.0);
  EXPECT_EQ(At(2019, 4, 30), 43585.0);
  EXPECT_DOUBLE_EQ(At(2019, 4, 30, 12), 43585.5);
}

TEST(DateTime, DecodesToTheMillisecond) {
  const CivilTime f = DecodeDateTime(At(2019, 4, 30, 17, 3, 9, 250));
  EXPECT_EQ(f.year, 2019);
  EXPECT_EQ(f.month, 4);
  EXPECT_EQ(f.day, 30);
  EXPECT_EQ(f.hour, 17);
  EXPECT_EQ(f.minute, 3);
  EXPECT_EQ(f.second, 9);
  EXPECT_EQ(f.millisecond, 250);
}

TEST(DateTime, FormatsFixedPatterns) {
  const TDateTime t = At(2019, 4, 30, 17, 3, 9, 250);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", t), "2019-04-30 17:03:09.250");
  EXPECT_EQ(FormatDateTime("mm/dd/yyyy hh:nn:ss", t), "04/30/2019 17:03:09");
  EXPECT_EQ(FormatDateTime("yyyymmdd-hhnnss", t), "20190430-170309");
  EXPECT_EQ(FormatDateTime("yyyymmddhhnnsszzz", t), "20190430170309250");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", 0.0), "1899-12-30 00:00:00.000");
}

TEST(DateTime, RoundsToTheNearestMillisecondAcrossMidnight) {
  // A hair before midnight rounds up to the next day rather than 23:59:59.1000.
  const TDateTime almost = At(2020, 2, 28) + 1.0 - 0.1 / kMSecsPerDay;
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", almost), "2020-02-29 00:00:00.000");
}

TEST(DateTime, WeekdaysStartOnSunday) {
  EXPECT_EQ(DayOfWeek(0.0), 7);                  // 1899-12-30 was a Saturday
  EXPECT_EQ(DayOfWeek(At(2026, 12, 6, 23)), 1);  // Sunday
  EXPECT_EQ(DayOfWeek(At(2026, 12, 9, 10)), 4);  // Wednesday
}

TEST(DateTime, SplitsDateAndTime) {
  const TDateTime t = At(2026, 12, 9, 18);
  EXPECT_EQ(DateOf(t), At(2026, 12, 9));
  EXPECT_DOUBLE_EQ(TimeOf(t), 0.75);
}

TEST(DateTime, ValidatesCalendarDates) {
  EXPECT_TRUE(IsValidDate(2020, 2, 29));
  EXPECT_FALSE(IsValidDate(2019, 2, 29));
  EXPECT_FALSE(IsValidDate(1900, 2, 29));
  EXPECT_TRUE(IsValidDate(2000, 2, 29));
  EXPECT_FALSE(IsValidDate(2020, 13, 1));
  EXPECT_FALSE(IsValidDate(2020, 4, 31));
}

}  // namespace
}  // namespace lumora
