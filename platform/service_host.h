#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform_errors.h"

// The running service's side of the operating system's service manager: its
// registration, its status reports, and whether a stop is a shutdown. (The
// configurator's control of the service is in service_control.h.)

namespace lumora::platform {

// What the operating system's service manager needs to know to run a program
// as a service.
struct ServiceDefinition {
  std::string name;         // unit / service name
  std::string description;  // one line shown by the service manager
  std::string executable;   // full path of the program to start
  // The one directory the service writes to (its program directory: logs,
  // batches, configuration); empty means the executable's directory.
  std::string data_directory = {};
  // "NAME=value" entries the service is started with.
  std::vector<std::string> environment = {};
};

// Registers the service to start at boot and to be restarted when it ends
// with a failure. On systemd: writes "<name>.service" into /etc/systemd/system
// or the directory named by LUMORA_SYSTEMD_DIR, then reloads and enables it
// through systemctl when that exists (LUMORA_SYSTEMCTL names another program,
// or "none" to skip it). A LUMORA_REGISTRY of the installing process is
// handed on to the service. A unit path that is a symbolic link is refused.
// Raises std::system_error on failure.
void InstallService(const ServiceDefinition& service);

// Removes the registration written by InstallService.
void UninstallService(std::string_view name);

// The unit file InstallService writes: locked down to what the service
// uses (its program directory for writing, the network, the notify socket).
// Raises std::invalid_argument for a path or value a unit cannot carry.
std::string ServiceUnitText(const ServiceDefinition& service);

// Status reports to the service manager; nothing happens when the program
// was not started by one.
void NotifyServiceReady();
void NotifyServiceStopping();

// Whether the machine is shutting down, so that a stop is the shutdown
// request rather than an operator's stop. False for a program the service
// manager did not start; throws std::system_error when the manager cannot
// be asked.
bool SystemShuttingDown();

}  // namespace lumora::platform
