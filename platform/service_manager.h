#pragma once

#include <string>
#include <string_view>

namespace lumora::platform {

// What the operating system's service manager needs to know to run a program
// as a service.
struct ServiceDefinition {
  std::string name;         // unit / service name
  std::string description;  // one line shown by the service manager
  std::string executable;   // full path of the program to start
};

// Registers the service to start at boot and to be restarted when it ends
// with a failure. On systemd: writes "<name>.service" into /etc/systemd/system
// or the directory named by LUMORA_SYSTEMD_DIR, then reloads and enables it
// through systemctl when that exists (LUMORA_SYSTEMCTL names another program,
// or "none" to skip it). Raises std::system_error on failure.
void InstallService(const ServiceDefinition& service);

// Removes the registration written by InstallService.
void UninstallService(std::string_view name);

// The unit file InstallService writes.
std::string ServiceUnitText(const ServiceDefinition& service);

// Status reports to the service manager; nothing happens when the program
// was not started by one.
void NotifyServiceReady();
void NotifyServiceStopping();

// Whether the machine is shutting down, so that a stop is the shutdown
// request rather than an operator's stop.
bool SystemShuttingDown();

}  // namespace lumora::platform
