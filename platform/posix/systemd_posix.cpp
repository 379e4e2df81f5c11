#include <spawn.h>
#include <sys/wait.h>
#include <systemd/sd-daemon.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/service_manager.h"

extern char** environ;

namespace lumora::platform {
namespace fs = std::filesystem;
namespace {

fs::path UnitDirectory() {
  const char* configured = std::getenv("LUMORA_SYSTEMD_DIR");
  return configured != nullptr && *configured != '\0' ? fs::path(configured)
                                                      : fs::path("/etc/systemd/system");
}

fs::path UnitPath(std::string_view name) {
  return UnitDirectory() / (std::string(name) + ".service");
}

// The systemctl program to call, or nothing when there is none (a container,
// a test) or LUMORA_SYSTEMCTL says "none".
std::optional<std::string> Systemctl() {
  const char* configured = std::getenv("LUMORA_SYSTEMCTL");
  if (configured != nullptr) {
    const std::string_view value(configured);
    if (value.empty() || value == "none") return std::nullopt;
    return std::string(value);
  }
  for (const char* candidate : {"/usr/bin/systemctl", "/bin/systemctl"}) {
    if (::access(candidate, X_OK) == 0) return std::string(candidate);
  }
  return std::nullopt;
}

// Runs systemctl with the arguments and waits; false when it did not succeed.
bool RunSystemctl(const std::vector<std::string>& arguments) {
  const auto program = Systemctl();
  if (!program) return true;
  std::vector<char*> argv;
  std::string name = *program;
  argv.push_back(name.data());
  std::vector<std::string> copies = arguments;
  for (auto& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawn(&child, program->c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    return false;
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// systemd splits ExecStart on blanks; a path containing one is quoted.
std::string QuotedCommand(const std::string& path) {
  if (path.find_first_of(" \t\"\\") == std::string::npos) return path;
  std::string quoted = "\"";
  for (const char c : path) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

}  // namespace

std::string ServiceUnitText(const ServiceDefinition& service) {
  // Type=notify: the program reports readiness once the engine exists.
  // Restart=on-failure brings the service back after it ends itself with
  // exit code 1 (too few inventory lines).
  return "[Unit]\n"
         "Description=" + service.description + "\n"
         "After=network-online.target\n"
         "Wants=network-online.target\n"
         "\n"
         "[Service]\n"
         "Type=notify\n"
         "ExecStart=" + QuotedCommand(service.executable) + "\n"
         "Restart=on-failure\n"
         "RestartSec=5\n"
         "TimeoutStartSec=infinity\n"
         "\n"
         "[Install]\n"
         "WantedBy=multi-user.target\n";
}

void InstallService(const ServiceDefinition& service) {
  const fs::path unit = UnitPath(service.name);
  {
    std::ofstream out(unit, std::ios::binary | std::ios::trunc);
    if (!out) throw std::system_error(errno, std::generic_category(), unit.string());
    out << ServiceUnitText(service);
    out.close();
    if (!out) throw std::system_error(errno, std::generic_category(), unit.string());
  }
  if (!RunSystemctl({"daemon-reload"}) || !RunSystemctl({"enable", unit.filename().string()})) {
    throw std::system_error(std::make_error_code(std::errc::operation_not_permitted),
                            "systemctl could not enable " + unit.filename().string());
  }
}

void UninstallService(std::string_view name) {
  const fs::path unit = UnitPath(name);
  std::error_code ec;
  if (!fs::exists(unit, ec)) {
    throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory),
                            unit.string());
  }
  RunSystemctl({"disable", unit.filename().string()});
  if (!fs::remove(unit, ec)) throw std::system_error(ec, unit.string());
  RunSystemctl({"daemon-reload"});
}

void NotifyServiceReady() { sd_notify(0, "READY=1"); }

void NotifyServiceStopping() { sd_notify(0, "STOPPING=1"); }

bool SystemShuttingDown() {
  // Only a program that systemd started can be stopped by a shutdown.
  if (std::getenv("INVOCATION_ID") == nullptr && std::getenv("NOTIFY_SOCKET") == nullptr) {
    return false;
  }
  const auto program = Systemctl();
  if (!program) return false;
  const std::string command = "'" + *program + "' is-system-running 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  char buffer[64] = {};
  const bool read = std::fgets(buffer, sizeof buffer, pipe) != nullptr;
  ::pclose(pipe);
  return read && std::string_view(buffer).starts_with("stopping");
}

}  // namespace lumora::platform
