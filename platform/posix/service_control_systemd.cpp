// The service manager on Linux: systemd, driven through systemctl.
//
// The connector service is the unit "<service>.service". systemd's states map
// onto the service states the configurator shows:
//
//   LoadState not "loaded"                 -> unknown (-1; not installed)
//   FreezerState "freezing"                -> pause pending (6)
//   FreezerState "frozen"                  -> paused (7)
//   FreezerState "thawing"                 -> continue pending (5)
//   ActiveState "active" or "reloading"    -> running (4)
//   ActiveState "activating"               -> start pending (2)
//   ActiveState "deactivating"             -> stop pending (3)
//   ActiveState "inactive" or "failed"     -> stopped (1)
//   anything else, or systemctl failing    -> unknown (-1)
//
// systemd reports no progress counter or wait hint. Every reading carries a
// larger checkpoint than the one before (so a wait never ends for a counter
// going backwards), and a wait hint of one second except in the stopped
// state, which no transition leaves by itself.

#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/process.h"
#include "platform/service_control.h"

namespace lumora::platform {
namespace {

// Runs systemctl (as found in PATH) with the arguments and collects its
// standard output.
ProcessResult RunSystemctl(const std::string& machine, std::vector<std::string> args) {
  std::vector<std::string> argv = {"systemctl", "--no-ask-password"};
  if (!machine.empty()) {
    argv.push_back("--host");
    argv.push_back(machine);
  }
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProcess(argv, ChildOutput::kCapture);
}

// systemctl says no: the request is refused or the unit cannot be reached.
void RequireSuccess(const ProcessResult& result, const std::string& what) {
  if (result.exit_code != 0) {
    throw std::system_error(std::make_error_code(std::errc::operation_not_permitted),
                            "systemctl " + what + " ended with status " + std::to_string(result.exit_code));
  }
}

std::string UnitName(const std::string& service) { return service + ".service"; }

std::map<std::string, std::string> ParseProperties(std::string_view text) {
  std::map<std::string, std::string> properties;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    const auto equals = line.find('=');
    if (equals != std::string_view::npos) {
      properties[std::string(line.substr(0, equals))] = std::string(line.substr(equals + 1));
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return properties;
}

class SystemdServiceController final : public ServiceController {
 public:
  void RequestStart(const std::string& machine, const std::string& service) override {
    RequireSuccess(RunSystemctl(machine, {"start", "--no-block", UnitName(service)}),
                   "start " + UnitName(service));
  }
  void RequestStop(const std::string& machine, const std::string& service) override {
    RequireSuccess(RunSystemctl(machine, {"stop", "--no-block", UnitName(service)}),
                   "stop " + UnitName(service));
  }
  std::optional<ServiceStatus> QueryStatus(const std::string& machine,
                                           const std::string& service) override {
    const ProcessResult shown = RunSystemctl(
        machine, {"show", "-p", "LoadState,ActiveState,SubState,FreezerState", UnitName(service)});
    RequireSuccess(shown, "show " + UnitName(service));
    const int state = SystemdStateToServiceState(ParseProperties(shown.output));
    if (state == kServiceUnknown) return std::nullopt;
    return ServiceStatus{state, ++checkpoint_, state == kServiceStopped ? 0u : 1000u};
  }

  static int SystemdStateToServiceState(const std::map<std::string, std::string>& p) {
    auto value = [&p](const char* key) {
      const auto found = p.find(key);
      return found == p.end() ? std::string() : found->second;
    };
    if (value("LoadState") != "loaded") return kServiceUnknown;
    const std::string freezer = value("FreezerState");
    if (freezer == "freezing") return kServicePausePending;
    if (freezer == "frozen") return kServicePaused;
    if (freezer == "thawing") return kServiceContinuePending;
    const std::string active = value("ActiveState");
    if (active == "active" || active == "reloading") return kServiceRunning;
    if (active == "activating") return kServiceStartPending;
    if (active == "deactivating") return kServiceStopPending;
    if (active == "inactive" || active == "failed") return kServiceStopped;
    return kServiceUnknown;
  }

 private:
  std::uint32_t checkpoint_ = 0;
};

}  // namespace

std::unique_ptr<ServiceController> CreateServiceController() {
  return std::make_unique<SystemdServiceController>();
}

int SystemdServiceState(std::string_view show_output) {
  return SystemdServiceController::SystemdStateToServiceState(ParseProperties(show_output));
}

}  // namespace lumora::platform
