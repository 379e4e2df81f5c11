#pragma once

// The operating system's service manager as the configurator sees it: a
// controller that starts, stops and watches the connector service. Called on
// the GUI thread. (The running service's own side of the manager, its
// registration and status reports, is in service_host.h.)

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform_errors.h"

namespace lumora::platform {

// The service states the configurator knows (the values of the Windows
// service control manager, which the other platforms map onto).
enum ServiceStateValue : int {
  kServiceUnknown = -1,
  kServiceStopped = 1,
  kServiceStartPending = 2,
  kServiceStopPending = 3,
  kServiceRunning = 4,
  kServiceContinuePending = 5,
  kServicePausePending = 6,
  kServicePaused = 7,
};

// One status reading: the state, a progress counter that only grows while a
// transition advances, and how long the manager expects the next step to take.
struct ServiceStatus {
  int state = kServiceUnknown;
  std::uint32_t checkpoint = 0;
  std::uint32_t wait_hint_ms = 0;
};

// Controls services through a machine's service manager. `machine` is empty for the local machine;
// `service` is the service's key name.
class ServiceController {
 public:
  virtual ~ServiceController() = default;
  // Requests a start or a stop without waiting for it. Throws
  // std::system_error when the manager or the service cannot be reached or
  // the request is refused.
  virtual void RequestStart(const std::string& machine, const std::string& service) = 0;
  virtual void RequestStop(const std::string& machine, const std::string& service) = 0;
  // The current status; nullopt when the service is not installed or in a
  // state the configurator does not know. Throws std::system_error when the
  // status cannot be read.
  virtual std::optional<ServiceStatus> QueryStatus(const std::string& machine,
                                                   const std::string& service) = 0;
};

// The controller over the platform's own service manager.
std::unique_ptr<ServiceController> CreateServiceController();

// The state that a `systemctl show` output (LoadState, ActiveState, SubState,
// FreezerState as key=value lines) stands for; exposed for tests.
int SystemdServiceState(std::string_view show_output);

}  // namespace lumora::platform
