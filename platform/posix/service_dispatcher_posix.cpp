#include "platform/service_dispatcher.h"

#include <iostream>
#include <system_error>

#include "platform/service_host.h"
#include "platform/stop_signals.h"

namespace lumora::platform {

int RunAsService(std::string_view /*name*/, std::function<void(ServiceRequest)> on_request,
                 const std::function<int()>& service) {
  // The service manager's stop arrives as SIGTERM; during a shutdown of the
  // machine the same signal is the shutdown request. Pause and continue are
  // SIGSTOP and SIGCONT, which suspend the whole process without our help.
  const StopSignalWatcher watcher([&on_request](StopSignal) {
    bool shutting_down = false;
    try {
      shutting_down = SystemShuttingDown();
    } catch (const std::system_error&) {
      // Not known: an ordinary stop, which also ends the service in order.
    }
    on_request(shutting_down ? ServiceRequest::Shutdown : ServiceRequest::Stop);
  });
  return service();
}

void NotifyServicePaused() {}

void ReportServiceError(std::string_view /*name*/, std::string_view message) {
  std::cerr << message << std::endl;
}

}  // namespace lumora::platform
