#include "service/connector_scheduler.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include <functional>
#include <optional>
#include <string>

#include "configuration/connector_config.h"
#include "configuration/time_values.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "logging/uQzLogging.h"
#include "tests/service/engine_fixture.h"

namespace lumora::test {
namespace {

// A time of day as the configuration file's parser produces it.
double T(std::string_view text) {
  double value = kUnsetTime;
  EXPECT_TRUE(ParseTimeOfDay(text, value)) << text;
  return value;
}

constexpr int kSunday = 0, kWednesday = 3, kFriday = 5, kSaturday = 6;
constexpr double kHour = 3600000.0, kMinute = 60000.0;

struct ScheduleCase {
  const char* name;
  TDateTime now;
  std::function<void(TConnectorConfig&)> config;
  double interval;        // expected milliseconds
  const char* next_run;   // expected FNextRun, display form
  const char* log = "";   // a line the calculation must write
};

class SchedulerTest : public EngineFixture {};

TEST_F(SchedulerTest, CasesTable) {
  const auto by_interval = [](int interval, int delay, const char* begin = "12:00 am",
                              const char* end = "12:00 am") {
    return [=](TConnectorConfig& c) {
      c.scanscheduling = 0;
      c.scaninterval = interval;
      c.oracledelay = delay;
      c.sleepbegin = T(begin);
      c.sleepend = T(end);
    };
  };
  const auto by_times = [](std::function<void(TConnectorConfig&)> slots) {
    return [=](TConnectorConfig& c) {
      c.scanscheduling = 1;
      slots(c);
    };
  };
  const ScheduleCase cases[] = {
      {.name = "interval with a shorter Oracle delay",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_interval(600000, 120000),
       .interval = 600000,
       .next_run = "12/09/2026 10:10:00",
       .log = "Factoring in Oracle delay of 120 seconds"},
      {.name = "Oracle delay longer than the interval wins",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_interval(60000, 120000),
       .interval = 120000,
       .next_run = "12/09/2026 10:02:00",
       .log = "Scheduling by interval"},
      {.name = "window across midnight defers a run at 10:05 PM to 6:00 AM",
       .now = At(2026, 12, 9, 21, 55, 0),
       .config = by_interval(600000, 0, "10:00 pm", "6:00 am"),
       .interval = 8 * kHour + 5 * kMinute,
       .next_run = "12/10/2026 06:00:00",
       .log = "Next run will be after the configured sleep period, starting at 12/10/2026 06:00:00"},
      {.name = "window across midnight is not seen after midnight",
       .now = At(2026, 12, 9, 1, 0, 0),
       .config = by_interval(600000, 0, "10:00 pm", "6:00 am"),
       .interval = 600000,
       .next_run = "12/09/2026 01:10:00"},
      {.name = "window after midnight defers to its end the same day",
       .now = At(2026, 12, 9, 0, 55, 0),
       .config = by_interval(600000, 0, "1:00 am", "5:00 am"),
       .interval = 4 * kHour + 5 * kMinute,
       .next_run = "12/09/2026 05:00:00",
       .log = "starting at 12/09/2026 05:00:00"},
      {.name = "run exactly on the window's beginning",
       .now = At(2026, 12, 9, 0, 50, 0),
       .config = by_interval(600000, 0, "1:00 am", "5:00 am"),
       .interval = 600000,
       .next_run = "12/09/2026 01:00:00"},
      {.name = "run exactly on the window's end",
       .now = At(2026, 12, 9, 4, 50, 0),
       .config = by_interval(600000, 0, "1:00 am", "5:00 am"),
       .interval = 600000,
       .next_run = "12/09/2026 05:00:00"},
      {.name = "window with equal ends defers nothing",
       .now = At(2026, 12, 9, 1, 55, 0),
       .config = by_interval(600000, 0, "2:00 am", "2:00 am"),
       .interval = 600000,
       .next_run = "12/09/2026 02:05:00"},
      {.name = "invalid schedule type runs by interval",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = [&](TConnectorConfig& c) {
         by_interval(300000, 0)(c);
         c.scanscheduling = 7;
       },
       .interval = 300000,
       .next_run = "12/09/2026 10:05:00",
       .log = "Schedule type is invalid!  Switching to schedule by interval..."},
      {.name = "zero interval still fires",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_interval(0, 0),
       .interval = kShortestScanInterval,
       .next_run = "12/09/2026 10:01:00",
       .log = "Scan interval of 0 milliseconds cannot be used"},
      {.name = "negative interval still fires",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_interval(-5, -1),
       .interval = kShortestScanInterval,
       .next_run = "12/09/2026 10:01:00",
       .log = "Scan interval of -1 milliseconds cannot be used"},
      {.name = "later slot today",
       .now = At(2026, 12, 9, 10, 0, 30),
       .config = by_times([](TConnectorConfig& c) {
         c.ScheduleTimes[kWednesday][0] = T("10:00 am");
         c.ScheduleTimes[kWednesday][1] = T("2:00 pm");
       }),
       .interval = 3 * kHour + 59 * kMinute + 30000,
       .next_run = "12/09/2026 14:00:00",
       .log = "Calculating next interval: target=[4.5833] thisday=[4] thistime=[0.4170]"},
      {.name = "slot equal to now is passed over, next week's first slot is used",
       .now = At(2026, 12, 9, 14, 0, 0),
       .config = by_times([](TConnectorConfig& c) {
         c.ScheduleTimes[kWednesday][0] = T("10:00 am");
         c.ScheduleTimes[kWednesday][1] = T("2:00 pm");
       }),
       .interval = 6 * 24 * kHour + 20 * kHour,
       .next_run = "12/16/2026 10:00:00",
       .log = "target=[11.4167] thisday=[4]"},
      {.name = "slot equal to now is passed over for a later day this week",
       .now = At(2026, 12, 9, 14, 0, 0),
       .config = by_times([](TConnectorConfig& c) {
         c.ScheduleTimes[kWednesday][1] = T("2:00 pm");
         c.ScheduleTimes[kFriday][0] = T("9:00 am");
       }),
       .interval = 24 * kHour + 19 * kHour,
       .next_run = "12/11/2026 09:00:00"},
      {.name = "slot order decides, not the clock",
       .now = At(2026, 12, 9, 8, 0, 0),
       .config = by_times([](TConnectorConfig& c) {
         c.ScheduleTimes[kWednesday][0] = T("5:00 pm");
         c.ScheduleTimes[kWednesday][1] = T("9:00 am");
       }),
       .interval = 9 * kHour,
       .next_run = "12/09/2026 17:00:00"},
      {.name = "Saturday night wraps to the following Saturday",
       .now = At(2026, 12, 12, 23, 0, 0),
       .config = by_times([](TConnectorConfig& c) { c.ScheduleTimes[kSaturday][0] = T("10:00 pm"); }),
       .interval = 6 * 24 * kHour + 23 * kHour,
       .next_run = "12/19/2026 22:00:00"},
      {.name = "slot 6 alone",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_times([](TConnectorConfig& c) { c.ScheduleTimes[kWednesday][5] = T("3:00 pm"); }),
       .interval = 5 * kHour,
       .next_run = "12/09/2026 15:00:00"},
      {.name = "Sunday slot found next week from Wednesday",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_times([](TConnectorConfig& c) { c.ScheduleTimes[kSunday][2] = T("1:30 am"); }),
       .interval = 3 * 24 * kHour + 15 * kHour + 30 * kMinute,
       .next_run = "12/13/2026 01:30:00"},
      {.name = "no slot set",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_times([](TConnectorConfig&) {}),
       .interval = 86400000,
       .next_run = "12/10/2026 10:00:00",
       .log = "No times configured, setting next batch in 24 hours"},
      {.name = "only midnight slots never qualify",
       .now = At(2026, 12, 9, 10, 0, 0),
       .config = by_times([](TConnectorConfig& c) {
         for (auto& day : c.ScheduleTimes) day[0] = T("12:00 am");
       }),
       .interval = 86400000,
       .next_run = "12/10/2026 10:00:00",
       .log = "No times configured, setting next batch in 24 hours"},
      {.name = "slot under a millisecond ahead still fires",
       .now = At(2026, 12, 9, 9, 59, 59, 999) + 0.5 / kMSecsPerDay,
       .config = by_times([](TConnectorConfig& c) { c.ScheduleTimes[kWednesday][0] = T("10:00 am"); }),
       .interval = 1,
       .next_run = "12/09/2026 10:00:00"},
  };

  SetGlobalLogLevel(9);
  for (const auto& row : cases) {
    ConnectorConfig = TConnectorConfig{};
    for (auto& day : ConnectorConfig.ScheduleTimes) day.fill(kUnsetTime);
    row.config(ConnectorConfig);
    ClearRecordedLog();

    const TNextRun next = CalculateNextRun(row.now);

    EXPECT_EQ(next.interval, static_cast<std::uint32_t>(row.interval)) << row.name;
    EXPECT_EQ(FormatDisplayTimestamp(next.FNextRun), row.next_run) << row.name;
    EXPECT_EQ(next.FTitle, "Idle.  Next run will start at " + std::string(row.next_run) + ", timer set to " +
                               std::to_string(next.interval) + " milliseconds")
        << row.name;
    EXPECT_GE(FindLog(next.FTitle, "Connector.SetTimerInterval"), 0) << row.name;
    if (*row.log != '\0') {
      EXPECT_GE(FindLog(row.log, "Connector.SetTimerInterval"), 0) << row.name;
    }
    if (ConnectorConfig.scanscheduling != 1) {
      EXPECT_EQ(ConnectorConfig.oracledelay, 0) << row.name;
    }
  }
}

TEST_F(SchedulerTest, RunImmediateIsConsumedInTheFile) {
  WriteConfig([](TConnectorConfig& c) {
    c.scanscheduling = 0;
    c.runimmediate = true;
  });
  const TNextRun next = CalculateNextRun(clock_.Now());

  EXPECT_EQ(next.interval, 1000u);
  EXPECT_EQ(next.FTitle, "Idle.  Next run will start at 12/09/2026 10:00:00, timer set to 1000 milliseconds");
  EXPECT_GE(FindLog("Run Immediate detected; setting run time to Now"), 0);
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_FALSE(ConnectorConfig.runimmediate);
  EXPECT_NE(LoadedConfigText.find("runimmediate=0"), std::string::npos) << LoadedConfigText;
}

// New York's 2026 changes: clocks go from 2:00 AM to 3:00 AM on Sunday,
// March 8, and from 2:00 AM back to 1:00 AM on Sunday, November 1.
class DaylightSavingTest : public SchedulerTest {
 protected:
  DaylightSavingTest() {
    if (const char* tz = ::getenv("TZ")) previous_tz_ = tz;
    ::setenv("TZ", "America/New_York", 1);
    ::tzset();
  }
  ~DaylightSavingTest() override {
    if (previous_tz_) {
      ::setenv("TZ", previous_tz_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  std::optional<std::string> previous_tz_;
};

TEST_F(DaylightSavingTest, RunsStartAtTheAnnouncedLocalTime) {
  constexpr int kEst = 300, kEdt = 240;  // minutes from local time to UTC
  const auto sunday_slot = [](const char* time) {
    return [=](TConnectorConfig& c) {
      c.scanscheduling = 1;
      c.ScheduleTimes[kSunday][0] = T(time);
    };
  };
  const auto by_interval = [](int interval, const char* begin, const char* end) {
    return [=](TConnectorConfig& c) {
      c.scanscheduling = 0;
      c.scaninterval = interval;
      c.oracledelay = 0;
      c.sleepbegin = T(begin);
      c.sleepend = T(end);
    };
  };
  const struct {
    const char* name;
    TDateTime now;
    int offset;  // the clock's offset at `now`
    std::function<void(TConnectorConfig&)> config;
    double interval;
    const char* next_run;
  } cases[] = {
      {.name = "6:00 AM slot on the spring-forward night", .now = At(2026, 3, 7, 23, 0, 0),
       .offset = kEst, .config = sunday_slot("6:00 am"), .interval = 6 * kHour,
       .next_run = "03/08/2026 06:00:00"},
      {.name = "6:00 AM slot on the fall-back night", .now = At(2026, 10, 31, 23, 0, 0),
       .offset = kEdt, .config = sunday_slot("6:00 am"), .interval = 8 * kHour,
       .next_run = "11/01/2026 06:00:00"},
      {.name = "2:30 AM does not exist: runs when the clock jumps to 3:00",
       .now = At(2026, 3, 7, 23, 0, 0), .offset = kEst, .config = sunday_slot("2:30 am"),
       .interval = 3 * kHour, .next_run = "03/08/2026 02:30:00"},
      {.name = "1:30 AM occurs twice: runs at the first", .now = At(2026, 10, 31, 23, 0, 0),
       .offset = kEdt, .config = sunday_slot("1:30 am"), .interval = 2.5 * kHour,
       .next_run = "11/01/2026 01:30:00"},
      {.name = "1:30 AM already came in the first pass: next week's",
       .now = At(2026, 11, 1, 1, 10, 0), .offset = kEst, .config = sunday_slot("1:30 am"),
       .interval = 7 * 24 * kHour + 20 * kMinute, .next_run = "11/08/2026 01:30:00"},
      {.name = "slot a week ahead across the spring change", .now = At(2026, 3, 1, 10, 0, 0),
       .offset = kEst, .config = sunday_slot("9:00 am"), .interval = (7 * 24 - 2) * kHour,
       .next_run = "03/08/2026 09:00:00"},
      {.name = "slot a week ahead across the fall change", .now = At(2026, 10, 25, 10, 0, 0),
       .offset = kEdt, .config = sunday_slot("9:00 am"), .interval = 7 * 24 * kHour,
       .next_run = "11/01/2026 09:00:00"},
      {.name = "sleep window ending on the spring-forward night",
       .now = At(2026, 3, 7, 21, 55, 0), .offset = kEst,
       .config = by_interval(600000, "10:00 pm", "6:00 am"),
       .interval = 7 * kHour + 5 * kMinute, .next_run = "03/08/2026 06:00:00"},
      {.name = "sleep window ending on the fall-back night", .now = At(2026, 10, 31, 21, 55, 0),
       .offset = kEdt, .config = by_interval(600000, "10:00 pm", "6:00 am"),
       .interval = 9 * kHour + 5 * kMinute, .next_run = "11/01/2026 06:00:00"},
      {.name = "an hour's interval across the jump", .now = At(2026, 3, 8, 1, 30, 0),
       .offset = kEst, .config = by_interval(3600000, "12:00 am", "12:00 am"),
       .interval = kHour, .next_run = "03/08/2026 03:30:00"},
  };
  for (const auto& row : cases) {
    ConnectorConfig = TConnectorConfig{};
    for (auto& day : ConnectorConfig.ScheduleTimes) day.fill(kUnsetTime);
    row.config(ConnectorConfig);
    clock_.Set(row.now);
    clock_.SetUtcOffset(row.offset);

    const TNextRun next = CalculateNextRun(row.now);

    EXPECT_EQ(next.interval, static_cast<std::uint32_t>(row.interval)) << row.name;
    EXPECT_EQ(FormatDisplayTimestamp(next.FNextRun), row.next_run) << row.name;
  }
}

TEST_F(SchedulerTest, FailedSaveIsLoggedAndTheRequestedRunStillComes) {
  ConnectorConfig.runimmediate = true;
  SetExeDir(dir_.dir() + "missing/");  // the file cannot be written there
  TNextRun next;
  ASSERT_NO_THROW(next = CalculateNextRun(clock_.Now()));
  EXPECT_EQ(next.interval, 1000u);
  EXPECT_TRUE(next.run_immediate);
  EXPECT_FALSE(ConnectorConfig.runimmediate);
  EXPECT_GE(FindLog("Run Immediate detected"), 0);
  EXPECT_GE(FindError("Connector.SetTimerInterval"), 0);
}

}  // namespace
}  // namespace lumora::test
