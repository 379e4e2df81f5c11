// The built program itself: a stop that arrives during the database settle
// pause ends the process at once, with its shut-down lines in the log; the
// install and uninstall switches as an operator types them.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "platform/service_host.h"
#include "service/demo/demo_directory.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

extern char** environ;

namespace lumora::test {
namespace {
namespace fs = std::filesystem;

class ServiceProgramTest : public ::testing::Test {
 protected:
  ServiceProgramTest() {
    // A copy in a sandbox, so that its program directory, log folder and
    // registry are all temporary.
    program_ = dir_.path() / "LumoraRPro9Service";
    fs::copy_file(LUMORA_SERVICE_EXECUTABLE, program_);
  }

  pid_t Start(const std::vector<std::string>& arguments, const std::vector<std::string>& extra_environment = {},
              const fs::path& output = {}) {
    std::vector<std::string> environment = {"LUMORA_REGISTRY=" + registry_.string(), "LUMORA_SYSTEMCTL=none",
                                            "PATH=/usr/bin:/bin"};
    environment.insert(environment.end(), extra_environment.begin(), extra_environment.end());
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program_.string();
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv{path.data()};
    for (auto& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    if (!output.empty()) {
      ::posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      ::posix_spawn_file_actions_adddup2(&actions, 1, 2);
    }
    pid_t child = 0;
    EXPECT_EQ(::posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data()), 0);
    ::posix_spawn_file_actions_destroy(&actions);
    return child;
  }

  // Runs the program to its end; returns its exit code and what it printed.
  std::pair<int, std::string> Run(const std::vector<std::string>& arguments,
                                  const std::vector<std::string>& extra_environment = {}) {
    const fs::path output = dir_.path() / "output.txt";
    const int code = ExitCode(Start(arguments, extra_environment, output), std::chrono::seconds(20));
    return {code, ReadFileBytes(output)};
  }

  std::string Log() const {
    std::string text;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(program_.parent_path() / "logs", ec)) {
      for (const auto& line : SplitLogLines(ReadFileBytes(item.path()))) text += line + "\n";
    }
    return text;
  }

  // Waits for the child's end; -1 when it is still running after `limit`.
  static int ExitCode(pid_t child, std::chrono::milliseconds limit) {
    int status = 0;
    const bool ended = WaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, limit);
    if (!ended) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
  }

  TempDir dir_;
  fs::path program_;
  fs::path registry_ = dir_.path() / "registry";
};

// A demo installation whose configuration asks for a run at once.
class ServiceInstallTest : public ServiceProgramTest {
 protected:
  ServiceInstallTest() {
    TDemoDirectoryOptions options;
    options.database.items = 50;
    demo_ = CreateDemoDirectory(dir_.path() / "demo", options);
    program_ = demo_.program / "LumoraRPro9Service";
    fs::copy_file(LUMORA_SERVICE_EXECUTABLE, program_);
    registry_ = demo_.registry;
    fs::create_directories(units_);
  }

  std::string Config() const { return ReadFileBytes(demo_.program / "Lumoraconnector.cfg"); }
  fs::path Unit() const { return units_ / "LumoraRPro9Connector.service"; }

  TDemoDirectory demo_;
  fs::path units_ = dir_.path() / "units";
  std::vector<std::string> environment_ = {"LUMORA_SYSTEMD_DIR=" + units_.string()};
};

TEST_F(ServiceProgramTest, TerminateDuringTheSettlePauseStopsTheServiceWithinASecond) {
  const pid_t child = Start({});
  ASSERT_TRUE(WaitFor([&] { return Log().find("to allow Oracle to settle...") != std::string::npos; }));
  const auto signalled = std::chrono::steady_clock::now();
  ::kill(child, SIGTERM);
  EXPECT_EQ(ExitCode(child, std::chrono::seconds(5)), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - signalled, std::chrono::seconds(2));

  const std::string log = Log();
  EXPECT_EQ(log.find("Oracle pause completed"), std::string::npos) << log;
  EXPECT_NE(log.find("Service stopping..."), std::string::npos) << log;
  EXPECT_NE(log.find("Lumora for Retail Pro 9 service shutting down"), std::string::npos) << log;
}

TEST_F(ServiceProgramTest, CtrlCOrAClosedTerminalEndsTheConsoleInOrder) {
  for (const int signal : {SIGINT, SIGHUP}) {
    fs::remove_all(dir_.path() / "logs");
    const pid_t child = Start({"/console"});
    ASSERT_TRUE(WaitFor([&] { return Log().find("to allow Oracle to settle...") != std::string::npos; }));
    ::kill(child, signal);
    // Not ended by the signal itself (which reads as -2 here), but by the
    // console's own wind-down, with the log drained.
    EXPECT_EQ(ExitCode(child, std::chrono::seconds(5)), 0) << "signal " << signal;
    const std::string log = Log();
    EXPECT_EQ(log.find("Oracle pause completed"), std::string::npos) << log;
    EXPECT_NE(log.find("Pausing"), std::string::npos) << log;
  }
}

TEST_F(ServiceInstallTest, InstallAndUninstallAsWrittenLeaveAPendingRunForTheService) {
  const std::string config = Config();
  ASSERT_NE(config, "");

  const auto [installed, install_output] = Run({"-install"}, environment_);
  EXPECT_EQ(installed, 0) << install_output;
  EXPECT_NE(install_output.find("Service installed successfully"), std::string::npos) << install_output;
  EXPECT_EQ(Config(), config) << "installing took up the run request";

  const std::string unit = ReadFileBytes(Unit());
  for (const std::string& line : {"ExecStart=" + program_.string(), "Environment=LUMORA_REGISTRY=" + registry_.string(),
                                 "ReadWritePaths=" + demo_.program.string(), std::string("TimeoutStopSec=120"),
                                 std::string("ProtectSystem=strict")}) {
    EXPECT_NE(unit.find(line + "\n"), std::string::npos) << line << " missing in\n" << unit;
  }
  EXPECT_EQ(unit.find("TimeoutStartSec"), std::string::npos) << unit;
  EXPECT_NE(Log().find("Service installed."), std::string::npos);

  const auto [uninstalled, uninstall_output] = Run({"/UNINSTALL", "-silent"}, environment_);
  EXPECT_EQ(uninstalled, 0) << uninstall_output;
  EXPECT_EQ(uninstall_output, "");
  EXPECT_FALSE(fs::exists(Unit()));
  EXPECT_EQ(Config(), config) << "uninstalling took up the run request";
}

TEST_F(ServiceInstallTest, InstallRefusesToWriteTheUnitThroughASymbolicLink) {
  const fs::path target = dir_.path() / "elsewhere.txt";
  { std::FILE* file = std::fopen(target.c_str(), "w"); std::fputs("keep me\n", file); std::fclose(file); }
  fs::create_symlink(target, Unit());
  const auto [code, output] = Run({"-install"}, environment_);
  EXPECT_EQ(code, 1);
  EXPECT_NE(output.find("symbolic link"), std::string::npos) << output;
  EXPECT_EQ(ReadFileBytes(target), "keep me\n");
  EXPECT_TRUE(fs::is_symlink(Unit()));
}

// The unit as installed next to the built program: systemd accepts it, and
// its own security review rates it well.
TEST(ServiceUnitReview, SystemdVerifiesTheUnitAndRatesItsExposureAtMostFour) {
  TempDir dir;
  const fs::path executable = fs::canonical(LUMORA_SERVICE_EXECUTABLE);
  const fs::path unit = dir.Write("LumoraRPro9Connector.service",
                                  platform::ServiceUnitText({.name = "LumoraRPro9Connector",
                                                             .description = "Lumora connector service for Retail Pro 9.",
                                                             .executable = executable.string(),
                                                             .environment = {"LUMORA_REGISTRY=/etc/lumora/registry"}}));
  auto run = [](const std::string& command) {
    std::string output;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return std::make_pair(-1, output);
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    const int status = ::pclose(pipe);
    return std::make_pair(WIFEXITED(status) ? WEXITSTATUS(status) : -1, output);
  };
  const auto [verified, verify_output] = run("systemd-analyze verify " + unit.string());
  EXPECT_EQ(verified, 0) << verify_output;
  EXPECT_EQ(verify_output, "");

  const auto [reviewed, review] = run("systemd-analyze security --offline=yes --no-pager " + unit.string());
  ASSERT_EQ(reviewed, 0) << review;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(review, match, std::regex(R"(Overall exposure level for \S+: (\d+\.\d))"))) << review;
  EXPECT_LE(std::stod(match[1].str()), 4.0) << review;
}

}  // namespace
}  // namespace lumora::test
