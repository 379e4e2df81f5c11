#include "service/connector_scheduler.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "configuration/connector_config.h"
#include "configuration/time_values.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/clock.h"
#include "logging/uQzLogging.h"
#include "platform/local_time.h"

namespace lumora {
namespace {

constexpr std::string_view kArea = "Connector.SetTimerInterval";

// Day fractions come from sums and products of doubles (a date-time near
// today carries only about a microsecond of precision), so 2:00 PM may come
// out a hair below 50400 seconds. A bias of 10 microseconds keeps a value
// meant to be whole from truncating to the unit below.
constexpr double kBiasDays = 1e-5 / kSecsPerDay;

std::int64_t WholeSeconds(double days) {
  return static_cast<std::int64_t>(std::trunc((days + kBiasDays) * kSecsPerDay));
}

std::int64_t WholeMilliseconds(double days) {
  return static_cast<std::int64_t>(std::trunc((days + kBiasDays) * kMSecsPerDay));
}

// A timer interval the timer can express: a slot less than a millisecond
// ahead still gives a tick.
std::uint32_t TimerInterval(std::int64_t milliseconds) {
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(milliseconds, 1, UINT32_MAX));
}

// The moment `now` stands for. In the hour repeated when daylight-saving
// time ends, the clock's own UTC offset tells which pass it is.
std::optional<std::chrono::system_clock::time_point> MomentOfNow(TDateTime now) {
  const auto moments = platform::MomentsOfLocalTime(DecodeDateTime(now));
  if (moments.empty()) return platform::FirstMomentAtOrAfter(DecodeDateTime(now));
  const int offset = Clock::Current().UtcOffsetMinutes();
  for (const auto& moment : moments) {
    if (platform::UtcOffsetMinutes(moment) == offset) return moment;
  }
  return moments.front();
}

// What a daylight-saving change between now and the local time `target`
// adds to their wall-clock difference: the timer counts real time, and the
// run must start when the clock shows `target` (or, for a time the clock
// skips that night, the first moment it shows a later one; for a time it
// shows twice, the first). 0 without a change.
std::int64_t DaylightCorrection(TDateTime now, TDateTime target) {
  const auto from = MomentOfNow(now);
  const auto to = platform::FirstMomentAtOrAfter(DecodeDateTime(target));
  if (!from || !to) return 0;
  const std::int64_t real = std::chrono::duration_cast<std::chrono::milliseconds>(*to - *from).count();
  const std::int64_t wall = std::llround((target - now) * kMSecsPerDay);
  const std::int64_t correction = real - wall;
  // Zone rules that place the times days apart are not to be trusted.
  return std::abs(correction) < 86400000 ? correction : 0;
}

// The local time `milliseconds` of real time after now.
TDateTime LocalTimeAfter(TDateTime now, std::int64_t milliseconds) {
  const TDateTime wall = now + static_cast<double>(milliseconds) / kMSecsPerDay;
  const auto from = MomentOfNow(now);
  if (!from) return wall;
  const TDateTime shown =
      EncodeDateTime(platform::ToLocalCivilTime(*from + std::chrono::milliseconds(milliseconds)));
  // Without a change in between the wall-clock sum is exact.
  return std::abs(shown - wall) * kSecsPerDay < 1.0 ? wall : shown;
}

TNextRun MakeNextRun(TDateTime next_run, std::uint32_t interval) {
  TNextRun next;
  next.FNextRun = next_run;
  next.interval = interval;
  return next;
}

TNextRun ByInterval(TConnectorConfig& config, TDateTime now) {
  LogInfo(1, "Scheduling by interval", kArea);
  if (config.oracledelay > 0) {
    LogInfo(1, "Factoring in Oracle delay of " + std::to_string(config.oracledelay / 1000) + " seconds",
            kArea);
  }
  std::int64_t n = std::max(config.oracledelay, config.scaninterval);
  // The delay applies to the next run only; the next load restores it.
  config.oracledelay = 0;
  if (n <= 0) {
    LogInfo(1, "Scan interval of " + std::to_string(n) + " milliseconds cannot be used; using " +
                   std::to_string(kShortestScanInterval) + " milliseconds",
            kArea);
    n = kShortestScanInterval;
  }
  TNextRun next = MakeNextRun(LocalTimeAfter(now, n), TimerInterval(n));

  // The window is compared in whole milliseconds so that a run falling
  // exactly on its beginning or end is not deferred.
  const std::int64_t begin = WholeMilliseconds(config.sleepbegin);
  std::int64_t end = WholeMilliseconds(config.sleepend);
  if (end < begin) end += static_cast<std::int64_t>(kMSecsPerDay);  // crosses midnight
  const TDateTime today = DateOf(now);
  const std::int64_t position = WholeMilliseconds(next.FNextRun - today);
  if (begin < position && position < end) {
    next.FNextRun = today + static_cast<double>(end) / kMSecsPerDay;
    next.interval = TimerInterval(WholeMilliseconds(next.FNextRun - now) +
                                  DaylightCorrection(now, next.FNextRun));
    LogInfo(1,
            "Next run will be after the configured sleep period, starting at " +
                FormatDisplayTimestamp(next.FNextRun),
            kArea);
  }
  return next;
}

// The first slot of a weekday (1 = Sunday) later than `ref`, in slot order;
// negative when none qualifies.
double SearchDay(const TConnectorConfig& config, int day, double ref) {
  const std::int64_t ref_seconds = WholeSeconds(ref);
  for (const double slot : config.ScheduleTimes[static_cast<std::size_t>(day - 1)]) {
    if (IsTimeSet(slot) && WholeSeconds(slot) > ref_seconds) return slot;
  }
  return -1.0;
}

TNextRun ByTimes(const TConnectorConfig& config, TDateTime now) {
  const int d = DayOfWeek(now);
  const TDateTime today = DateOf(now);
  const double t0 = now - today;

  const auto search = [&](double ref) {
    double target = -1.0;
    if (const double s = SearchDay(config, d, ref); s >= 0.0) target = d + s;
    for (int q = d + 1; target < 0.0 && q <= 7; ++q) {
      if (const double s = SearchDay(config, q, 0.0); s >= 0.0) target = q + s;
    }
    // Today is searched again here, so an earlier time today is found a week on.
    for (int q = 1; target < 0.0 && q <= d; ++q) {
      if (const double s = SearchDay(config, q, 0.0); s >= 0.0) target = q + 7 + s;
    }
    return target;
  };
  double target = search(t0);
  // In the second pass of an hour repeated when daylight-saving time ends, a
  // slot later today on the clock may have come already, in the first pass:
  // it runs once, so the search goes on after it.
  while (target >= 0.0 && target - d < 1.0) {
    const std::int64_t correction = DaylightCorrection(now, today + (target - d));
    if (correction >= 0 || WholeMilliseconds(target - d - t0) + correction > 0) break;
    target = search(target - d);
  }

  if (target < 0.0) {
    Log(9, "No times configured, setting next batch in 24 hours", TagInfo, kArea);
    return MakeNextRun(now + 1.0, 86400000);
  }
  char text[128];
  std::snprintf(text, sizeof text, "Calculating next interval: target=[%5.4f] thisday=[%d] thistime=[%5.4f]",
                target, d, t0);
  Log(9, text, TagInfo, kArea);
  const TDateTime next_run = today + (target - d);
  return MakeNextRun(next_run, TimerInterval(WholeMilliseconds(target - d - t0) +
                                             DaylightCorrection(now, next_run)));
}

// The file time of a run-immediate request that was taken but could not be
// cleared in the file (a read-only or full program folder).
std::optional<std::filesystem::file_time_type> unsaved_request_time;

void ConsumeRunImmediateInFile() {
  try {
    SaveConfigChanges([](TConnectorConfig& record) { record.runimmediate = false; });
    unsaved_request_time.reset();
  } catch (const std::exception& error) {
    // The run goes ahead all the same. Raising here would re-arm the process
    // timer with its old countdown at every idle tick, so no run would ever
    // start; instead the request is remembered as taken until the file
    // changes, and this error is logged once.
    LogExc(error, kArea);
    unsaved_request_time = ConfigFileTime();
    if (!unsaved_request_time) unsaved_request_time = std::filesystem::file_time_type::min();
  }
}

}  // namespace

void DropRequestAlreadyTaken() {
  if (!unsaved_request_time) return;
  if (ConfigFileTime() != unsaved_request_time) {
    // The file changed: whatever it asks for now is a new request.
    unsaved_request_time.reset();
    return;
  }
  ConnectorConfig.runimmediate = false;
}

TNextRun CalculateNextRun(TDateTime now) {
  Log(9, "BEGIN", TagEnter, kArea);
  Log(2, "Calculating next start time", TagInfo, kArea);
  TNextRun next;
  try {
    TConnectorConfig& config = ConnectorConfig;
    if (config.runimmediate) {
      LogInfo(1, "Run Immediate detected; setting run time to Now", kArea);
      next = MakeNextRun(now, 1000);
      next.run_immediate = true;
      // Consumed in the file too, or the next load would ask again.
      config.runimmediate = false;
      ConsumeRunImmediateInFile();
    } else if (config.scanscheduling == 1) {
      next = ByTimes(config, now);
    } else {
      if (config.scanscheduling != 0) {
        LogInfo(1, "Schedule type is invalid!  Switching to schedule by interval...", kArea);
      }
      next = ByInterval(config, now);
    }
    next.FTitle = "Idle.  Next run will start at " + FormatDisplayTimestamp(next.FNextRun) +
                  ", timer set to " + std::to_string(next.interval) + " milliseconds";
    LogInfo(1, next.FTitle, kArea);
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
  Log(9, "END", TagExit, kArea);
  return next;
}

}  // namespace lumora
