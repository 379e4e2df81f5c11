#include "platform/service_dispatcher.h"

#include <iostream>

#include "platform/service_manager.h"
#include "platform/stop_signals.h"

namespace lumora::platform {

int RunAsService(std::string_view /*name*/, std::function<void(ServiceRequest)> on_request,
                 const std::function<int()>& service) {
  // The service manager's stop arrives as SIGTERM; during a shutdown of the
  // machine the same signal is the shutdown request. Pause and continue are
  // SIGSTOP and SIGCONT, which suspend the whole process without our help.
  const StopSignalWatcher watcher([&on_request](StopSignal) {
    on_request(SystemShuttingDown() ? ServiceRequest::Shutdown : ServiceRequest::Stop);
  });
  return service();
}

void NotifyServicePaused() {}

void ReportServiceError(std::string_view /*name*/, std::string_view message) {
  std::cerr << message << std::endl;
}

}  // namespace lumora::platform
