#include <fcntl.h>
#include <sys/stat.h>
#include <systemd/sd-daemon.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "platform/process.h"
#include "platform/service_host.h"

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

// Runs systemctl with the arguments, its output going to ours, and waits;
// whether it succeeded (true when there is no systemctl to run).
bool RunSystemctl(const std::vector<std::string>& arguments) {
  const auto program = Systemctl();
  if (!program) return true;
  std::vector<std::string> argv = {*program};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  try {
    return RunProcess(argv, ChildOutput::kInherit).exit_code == 0;
  } catch (const std::system_error&) {
    return false;
  }
}

// A unit line ends at a line break, and "%" starts a specifier: a value that
// holds a control character is refused, and each "%" is doubled.
std::string UnitValue(std::string_view value) {
  if (std::ranges::any_of(value, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
    throw std::invalid_argument("A service unit cannot carry the value \"" + std::string(value) +
                                "\": it holds a control character");
  }
  std::string text;
  for (const char c : value) {
    if (c == '%') text.push_back('%');
    text.push_back(c);
  }
  return text;
}

// systemd splits ExecStart, path lists and assignments on blanks; a word
// containing one is quoted.
std::string QuotedWord(std::string_view word) {
  const std::string value = UnitValue(word);
  if (value.find_first_of(" \t\"\\'") == std::string::npos) return value;
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"' || c == '\\') quoted.push_back('\\');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

bool IsBelow(const fs::path& path, std::initializer_list<std::string_view> roots) {
  const std::string text = path.lexically_normal().string();
  return std::ranges::any_of(roots, [&text](std::string_view root) {
    return text.starts_with(root) && (text.size() == root.size() || text[root.size()] == '/');
  });
}

// Writes the unit without following a symbolic link at its path: whoever
// could plant one would otherwise have the installer overwrite any file.
void WriteUnitFile(const fs::path& unit, const std::string& text) {
  struct stat info {};
  if (::lstat(unit.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    throw std::system_error(std::make_error_code(std::errc::too_many_symbolic_link_levels),
                            unit.string() + " is a symbolic link; the unit is not written through it");
  }
  const int fd = ::open(unit.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), unit.string());
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t done = ::write(fd, text.data() + written, text.size() - written);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) {
      const int error = errno;
      ::close(fd);
      throw std::system_error(error, std::generic_category(), unit.string());
    }
    written += static_cast<std::size_t>(done);
  }
  if (::close(fd) != 0) throw std::system_error(errno, std::generic_category(), unit.string());
}

}  // namespace

std::string ServiceUnitText(const ServiceDefinition& service) {
  const fs::path executable(service.executable);
  fs::path data = service.data_directory.empty() ? executable.parent_path()
                                                 : fs::path(service.data_directory).lexically_normal();
  if (data.has_relative_path() && data.filename().empty()) data = data.parent_path();
  std::vector<fs::path> used = {executable, data};
  for (const std::string& entry : service.environment) {
    if (const auto equals = entry.find('='); equals != std::string::npos && entry[equals + 1] == '/') {
      used.emplace_back(entry.substr(equals + 1));
    }
  }
  // What the service reads or writes must stay visible inside its sandbox.
  const bool in_home = std::ranges::any_of(used, [](const fs::path& p) { return IsBelow(p, {"/home", "/root", "/run/user"}); });
  const bool in_tmp = std::ranges::any_of(used, [](const fs::path& p) { return IsBelow(p, {"/tmp", "/var/tmp"}); });

  std::string environment;
  for (const std::string& entry : service.environment) environment += "Environment=" + QuotedWord(entry) + "\n";

  // Type=notify: the program reports readiness right after the engine's
  // creation. Restart=on-failure brings the service back after it ends
  // itself with exit code 1 (too few inventory lines). The stop time-out
  // covers an upload's 60 s reply time-out and the run's wind-down.
  //
  // The service runs as root (the system account), so the sandbox does the
  // confining: the file system is read-only except the program directory;
  // Oracle's client (under /opt or wherever its home is) stays readable, and
  // the two DAC capabilities let it be read when its home belongs to
  // another account. Sockets are the Internet ones (FTP, HTTP, DNS) and
  // AF_UNIX (sd_notify, systemctl). MemoryDenyWriteExecute is left off:
  // vendor libraries loaded at run time may need executable mappings they
  // write themselves.
  return "[Unit]\n"
         "Description=" + UnitValue(service.description) + "\n"
         "After=network-online.target\n"
         "Wants=network-online.target\n"
         "\n"
         "[Service]\n"
         "Type=notify\n"
         "ExecStart=" + QuotedWord(service.executable) + "\n" +
         environment +
         "Restart=on-failure\n"
         "RestartSec=5\n"
         "TimeoutStopSec=120\n"
         "UMask=0027\n"
         "NoNewPrivileges=yes\n"
         "CapabilityBoundingSet=CAP_DAC_OVERRIDE CAP_DAC_READ_SEARCH\n"
         "ProtectSystem=strict\n"
         "ReadWritePaths=" + QuotedWord(data.string()) + "\n" +
         (in_tmp ? "" : "PrivateTmp=yes\n") +
         (in_home ? "ProtectHome=read-only\n" : "ProtectHome=yes\n") +
         "PrivateDevices=yes\n"
         "PrivateMounts=yes\n"
         "ProtectKernelTunables=yes\n"
         "ProtectKernelModules=yes\n"
         "ProtectKernelLogs=yes\n"
         "ProtectControlGroups=yes\n"
         "ProtectClock=yes\n"
         "ProtectHostname=yes\n"
         "ProtectProc=invisible\n"
         "RestrictAddressFamilies=AF_INET AF_INET6 AF_UNIX\n"
         "RestrictNamespaces=yes\n"
         "LockPersonality=yes\n"
         "RestrictRealtime=yes\n"
         "RestrictSUIDSGID=yes\n"
         "KeyringMode=private\n"
         "SystemCallArchitectures=native\n"
         "SystemCallFilter=@system-service\n"
         "SystemCallFilter=~@privileged\n"
         "SystemCallErrorNumber=EPERM\n"
         "\n"
         "[Install]\n"
         "WantedBy=multi-user.target\n";
}

void InstallService(const ServiceDefinition& service) {
  ServiceDefinition definition = service;
  // The service that systemd starts must read the same registry as the
  // installer did.
  if (const char* registry = std::getenv("LUMORA_REGISTRY"); registry != nullptr && *registry != '\0') {
    definition.environment.push_back("LUMORA_REGISTRY=" + fs::absolute(registry).lexically_normal().string());
  }
  const fs::path unit = UnitPath(definition.name);
  WriteUnitFile(unit, ServiceUnitText(definition));
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
  // is-system-running exits non-zero in most states; only its word counts.
  return RunProcess({*program, "is-system-running"}, ChildOutput::kCapture).output.starts_with("stopping");
}

}  // namespace lumora::platform
