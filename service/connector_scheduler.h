#pragma once

#include <cstdint>
#include <string>

#include "foundation/date_time.h"

namespace lumora {

// When the next run starts: the moment announced and the process timer's
// interval counted from the moment of the calculation.
struct TNextRun {
  TDateTime FNextRun = 0.0;
  std::uint32_t interval = 0;  // milliseconds, at least 1
  std::string FTitle;          // the idle status line
  bool run_immediate = false;  // a run-immediate request was taken
};

// The interval that stands in for a non-positive scaninterval (and no Oracle
// delay): a zero or negative timer interval would never fire, so the service
// would never run again. One minute keeps "as often as possible" (what an
// interval of 0 hours in the configurator means) without hammering Oracle.
inline constexpr std::uint32_t kShortestScanInterval = 60000;

// The schedule calculation of the engine's SetTimerInterval, on the
// process-wide ConnectorConfig: a pending run-immediate request (consumed and
// saved), scheduling by interval with the sleep window and the Oracle delay,
// or by the weekly times. Logs its lines under "Connector.SetTimerInterval".
// A request whose consumption cannot be saved is logged and still runs; see
// DropRequestAlreadyTaken. Engine thread only.
TNextRun CalculateNextRun(TDateTime now);

// Called after each configuration load of the service: a run-immediate
// request that was taken but could not be cleared in the file is not taken
// again until the file changes.
void DropRequestAlreadyTaken();

}  // namespace lumora
