#include "configurator/uQzWinServicesUtils.h"

#include <algorithm>
#include <system_error>

namespace lumora {

using platform::ServiceStatus;

namespace {

// The waits treat a refused request like one that was never made, and a
// status that cannot be read like no status: the window then shows what it
// reads next.
template <class Request>
bool Requested(const Request& request) {
  try {
    request();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace

std::optional<ServiceStatus> TServiceControl::Query(const std::string& machine,
                                                    const std::string& service) {
  try {
    return controller_.QueryStatus(machine, service);
  } catch (const std::system_error&) {
    return std::nullopt;
  }
}

TServiceControl::TServiceControl(platform::ServiceController& controller,
                                 std::function<void(int)> sleep_ms,
                                 std::function<void()> process_messages)
    : controller_(controller),
      sleep_ms_(std::move(sleep_ms)),
      process_messages_(std::move(process_messages)) {}

bool TServiceControl::StartServiceAndWait(const std::string& machine,
                                          const std::string& service, int budget_seconds,
                                          const std::function<bool()>& keep_waiting) {
  int last_seen = platform::kServiceUnknown;
  if (Requested([&] { controller_.RequestStart(machine, service); })) {
    std::optional<ServiceStatus> status = Query(machine, service);
    if (status) {
      last_seen = status->state;
      int budget = budget_seconds;
      bool first_pass = true;
      int previous_wait = 0;
      bool given_up = false;
      while (last_seen != platform::kServiceRunning && budget > 0) {
        const std::uint32_t checkpoint = status->checkpoint;
        // A pass that had nothing to wait for means the manager expects no
        // progress: stop asking rather than spin.
        if (!first_pass && previous_wait == 0) break;
        first_pass = false;
        int wait = static_cast<int>(status->wait_hint_ms / 1000);
        wait = std::min({wait, 10, budget});
        for (int second = 0; second < wait && !given_up; ++second) {
          --budget;
          sleep_ms_(1000);
          process_messages_();
          given_up = keep_waiting && !keep_waiting();
        }
        if (given_up) break;
        previous_wait = wait;
        status = Query(machine, service);
        if (!status) break;
        last_seen = status->state;
        if (status->checkpoint < checkpoint) break;
      }
    }
  }
  return last_seen == platform::kServiceRunning;
}

bool TServiceControl::StopServiceAndWait(const std::string& machine,
                                         const std::string& service, int budget_seconds) {
  int last_seen = platform::kServiceUnknown;
  if (Requested([&] { controller_.RequestStop(machine, service); })) {
    std::optional<ServiceStatus> status = Query(machine, service);
    if (status) {
      last_seen = status->state;
      // The wait is bounded by the budget, counted in the milliseconds slept;
      // two passes in a row without a wait hint end it as well, so a service
      // that reports no progress cannot keep the window busy forever.
      long long budget_ms = static_cast<long long>(budget_seconds) * 1000;
      int zero_waits = 0;
      while (last_seen != platform::kServiceStopped && budget_ms > 0) {
        const std::uint32_t checkpoint = status->checkpoint;
        const int wait = static_cast<int>(std::min<std::uint32_t>(status->wait_hint_ms, 10000));
        zero_waits = wait == 0 ? zero_waits + 1 : 0;
        if (zero_waits > 1) break;
        sleep_ms_(wait);
        budget_ms -= wait;
        status = Query(machine, service);
        if (!status) break;
        last_seen = status->state;
        if (status->checkpoint < checkpoint) break;
      }
    }
  }
  return last_seen == platform::kServiceStopped;
}

int TServiceControl::GetServiceState(const std::string& machine, const std::string& service) {
  const std::optional<ServiceStatus> status = Query(machine, service);
  return status ? status->state : platform::kServiceUnknown;
}

}  // namespace lumora
