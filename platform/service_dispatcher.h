#pragma once

// Running the program as a service of the operating system's service
// manager: the manager's requests in, the service's status out.

#include <functional>
#include <string_view>

namespace lumora::platform {

// The requests the service manager sends a running service.
enum class ServiceRequest {
  Stop,      // an operator's or the manager's stop
  Shutdown,  // the machine is shutting down
  Pause,     // hold all work until Continue (or a stop)
  Continue,
};

// Runs `service` as the service `name` and returns its exit code.
//
// Windows: hands the service table to the service control manager's
// dispatcher; `service` runs on the thread the manager starts the service on
// (the service thread) while the service is reported "start pending" with a
// 5000 ms wait hint, until NotifyServiceReady. When `service` returns, the
// service is reported stopped with its exit code. Raises std::system_error
// when the program was not started by the service control manager.
//
// POSIX: `service` runs on the calling thread; the service manager's stop
// signal is the Stop request, or Shutdown while the machine shuts down. Pause
// and continue stop the whole process there, without the program's help.
//
// `on_request` is called on another thread than `service`'s, once per
// request; it must only hand the request on to the service thread.
int RunAsService(std::string_view name, std::function<void(ServiceRequest)> on_request,
                 const std::function<int()>& service);

// Reports that the service thread has stopped all work after a Pause; after
// Continue, NotifyServiceReady (service_host.h) reports it running again.
// Nothing happens when the program was not started by a service manager.
void NotifyServicePaused();

// Records a failure of the service host where an administrator looks for
// it: the Windows application event log (the service name as its source),
// standard error (the journal) on POSIX. Never raises.
void ReportServiceError(std::string_view name, std::string_view message);

}  // namespace lumora::platform
