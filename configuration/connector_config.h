#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "configuration/client_id_entry.h"
#include "configuration/time_values.h"
#include "foundation/date_time.h"

namespace lumora {

// The weekly run times: 7 rows (Sunday first) of 6 slots.
using TScheduleTimes = std::array<std::array<double, 6>, 7>;

constexpr TScheduleTimes UnsetScheduleTimes() {
  TScheduleTimes times{};
  for (auto& day : times) day.fill(kUnsetTime);
  return times;
}

// The process-wide configuration record, one field per configuration key.
// Fields carry the start values a program has before its first load.
struct TConnectorConfig {
  std::vector<std::string> clientids;     // ClientIDs: entry texts, in file order
  std::int32_t scanscheduling = 1;        // 0 = intervals, 1 = times
  std::int32_t scaninterval = 600000;     // milliseconds
  double sleepbegin = 0.0;                // time of day
  double sleepend = 1.0 / 86400.0;        // 00:00:01
  std::int32_t oracledelay = 120000;      // milliseconds
  TDateTime lastquery = 0.0;              // local time; 0 = never
  // 7 rows (Sunday first) x 6 slots; unset until a load sets them (Init
  // marks them unset again).
  TScheduleTimes ScheduleTimes = UnsetScheduleTimes();
  bool runimmediate = false;
  bool restartonmissingdata = false;
  bool notifyonstartup = false;
};

// The one record of the process. Read and written on the program's main
// (engine or GUI) thread only.
extern TConnectorConfig ConnectorConfig;

}  // namespace lumora
