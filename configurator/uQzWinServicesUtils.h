#pragma once

// Starting, stopping and reading the state of a service, with the waits the
// status window relies on. Independent of any window.

#include <functional>
#include <optional>
#include <string>

#include "platform/service_control.h"

namespace lumora {

// The time budget of a start wait, in seconds; the stop wait gets the same.
inline constexpr int kServiceWaitBudgetSeconds = 32767;

// The service-control operations over a service controller. The sleep and the
// message pump are passed in so tests run without waiting; both are called
// on the GUI thread.
class TServiceControl {
 public:
  TServiceControl(platform::ServiceController& controller, std::function<void(int)> sleep_ms,
                  std::function<void()> process_messages);

  // Requests the start and waits while the service starts, within
  // `budget_seconds`, processing window messages once per second of waiting.
  // The wait also ends as soon as `keep_waiting`, asked after each of those
  // seconds, says no: the window that waits may have been closed meanwhile.
  // True when the service was last seen running.
  bool StartServiceAndWait(const std::string& machine, const std::string& service,
                           int budget_seconds,
                           const std::function<bool()>& keep_waiting = nullptr);
  // Requests the stop and waits while the service stops, without processing
  // messages, within `budget_seconds`. True when it was last seen stopped.
  bool StopServiceAndWait(const std::string& machine, const std::string& service,
                          int budget_seconds = kServiceWaitBudgetSeconds);
  // The service's state value, -1 when it cannot be read.
  int GetServiceState(const std::string& machine, const std::string& service);

  void Sleep(int ms) { sleep_ms_(ms); }
  void ProcessMessages() { process_messages_(); }

 private:
  // The status, or nothing when it cannot be read.
  std::optional<platform::ServiceStatus> Query(const std::string& machine, const std::string& service);

  platform::ServiceController& controller_;
  std::function<void(int)> sleep_ms_;
  std::function<void()> process_messages_;
};

}  // namespace lumora
