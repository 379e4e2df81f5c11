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

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <map>
#include <string_view>
#include <vector>

#include "platform/service_control.h"

extern char** environ;

namespace lumora::platform {
namespace {

struct CommandResult {
  int exit_code = -1;
  std::string output;
};

// Runs systemctl with the arguments and collects its standard output. The
// arguments go straight to exec, never through a shell.
CommandResult RunSystemctl(const std::string& machine, std::vector<std::string> args) {
  std::vector<std::string> argv_text = {"systemctl", "--no-ask-password"};
  if (!machine.empty()) {
    argv_text.push_back("--host");
    argv_text.push_back(machine);
  }
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, "systemctl", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);

  CommandResult result;
  if (spawned == 0) {
    std::array<char, 512> buffer{};
    ssize_t count = 0;
    while ((count = read(pipe_fds[0], buffer.data(), buffer.size())) > 0) {
      result.output.append(buffer.data(), static_cast<std::size_t>(count));
    }
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  }
  close(pipe_fds[0]);
  return result;
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

class SystemdServiceManager final : public ServiceManager {
 public:
  bool RequestStart(const std::string& machine, const std::string& service) override {
    return RunSystemctl(machine, {"start", "--no-block", UnitName(service)}).exit_code == 0;
  }
  bool RequestStop(const std::string& machine, const std::string& service) override {
    return RunSystemctl(machine, {"stop", "--no-block", UnitName(service)}).exit_code == 0;
  }
  std::optional<ServiceStatus> QueryStatus(const std::string& machine,
                                           const std::string& service) override {
    const CommandResult shown = RunSystemctl(
        machine, {"show", "-p", "LoadState,ActiveState,SubState,FreezerState", UnitName(service)});
    if (shown.exit_code != 0) return std::nullopt;
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

std::unique_ptr<ServiceManager> CreateServiceManager() {
  return std::make_unique<SystemdServiceManager>();
}

int SystemdServiceState(std::string_view show_output) {
  return SystemdServiceManager::SystemdStateToServiceState(ParseProperties(show_output));
}

}  // namespace lumora::platform
