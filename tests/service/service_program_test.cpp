// The built program itself: a stop that arrives during the database settle
// pause ends the process at once, with its shut-down lines in the log.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

  pid_t Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> environment = {"LUMORA_REGISTRY=" + (dir_.path() / "registry").string(),
                                            "LUMORA_SYSTEMCTL=none", "PATH=/usr/bin:/bin"};
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program_.string();
    std::vector<std::string> copies = arguments;
    std::vector<char*> argv{path.data()};
    for (auto& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    EXPECT_EQ(::posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), envp.data()), 0);
    return child;
  }

  std::string Log() const {
    std::string text;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(dir_.path() / "logs", ec)) {
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

TEST_F(ServiceProgramTest, CtrlCClosesTheConsoleDuringTheSettlePause) {
  const pid_t child = Start({"/console"});
  ASSERT_TRUE(WaitFor([&] { return Log().find("to allow Oracle to settle...") != std::string::npos; }));
  ::kill(child, SIGINT);
  EXPECT_EQ(ExitCode(child, std::chrono::seconds(5)), 0);
  EXPECT_EQ(Log().find("Oracle pause completed"), std::string::npos);
}

}  // namespace
}  // namespace lumora::test
