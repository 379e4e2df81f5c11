#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "logging/uQzLogging.h"
#include "platform/executable.h"
#include "platform/registry.h"
#include "service/dLumoraRPro9ConnectorLogic.h"
#include "service/uLumoraRPro9Service.h"
#include "tests/service/engine_fixture.h"
#include "tests/support/wait_for.h"

namespace lumora::test {
namespace {

TEST(ServiceSwitchTest, SwitchesNeedAPrefixAndIgnoreCase) {
  const struct {
    std::vector<std::string> arguments;
    bool console;
  } cases[] = {
      {.arguments = {"-console"}, .console = true},
      {.arguments = {"/CONSOLE"}, .console = true},
      {.arguments = {"/Console"}, .console = true},
      {.arguments = {"loglevel=9", "-Console"}, .console = true},
      {.arguments = {"console"}, .console = false},
      {.arguments = {"--console"}, .console = false},
      {.arguments = {"-consoles"}, .console = false},
      {.arguments = {"-"}, .console = false},
      {.arguments = {}, .console = false},
  };
  for (const auto& row : cases) {
    std::string shown;
    for (const auto& argument : row.arguments) shown += argument + " ";
    EXPECT_EQ(HasSwitch(row.arguments, "console"), row.console) << shown;
  }
  EXPECT_TRUE(HasSwitch({"/install", "/SILENT"}, "silent"));
  EXPECT_TRUE(HasSwitch({"-UnInstall"}, "uninstall"));
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The service host in a sandbox: its registry and systemd folders are
// temporary, systemctl is never called.
class ServiceHostTest : public EngineFixture {
 protected:
  ServiceHostTest() {
    std::filesystem::create_directories(dir_.path() / "systemd");
    SetGlobalLogLevel(9);
    WriteConfig([](TConnectorConfig& c) {
      c.scanscheduling = 0;
      c.scaninterval = 60000;
      c.oracledelay = 0;
    });
    ClearRecordedLog();
  }
  TEngineEnvironment Environment() {
    return {.clock = wait_clock_, .database = database_, .scan = scan_, .program_directory = dir_.dir()};
  }
  std::filesystem::path UnitFile() const { return dir_.path() / "systemd" / "LumoraRPro9Connector.service"; }

  ScopedEnv registry_{"LUMORA_REGISTRY", (dir_.path() / "registry").string()};
  ScopedEnv systemd_{"LUMORA_SYSTEMD_DIR", (dir_.path() / "systemd").string()};
  ScopedEnv systemctl_{"LUMORA_SYSTEMCTL", "none"};
  ScopedEnv invocation_{"INVOCATION_ID", ""};
};

std::optional<std::string> RegistryValue(std::string_view key, std::string_view name) {
  const auto opened = platform::RegistryKey::Open(key);
  return opened ? opened->ReadString(name) : std::nullopt;
}

TEST_F(ServiceHostTest, InstallWritesTheUnitAndBothRegistryValuesAndUninstallKeepsTheValues) {
  ::unsetenv("INVOCATION_ID");
  // The engine moves the log into the recorded directory's "logs" folder.
  std::filesystem::create_directories(dir_.path() / "logs");
  UseLogDirectory((dir_.path() / "logs").string());
  testing::internal::CaptureStdout();
  EXPECT_EQ(RunServiceProgram({"/INSTALL"}, Environment()), 0);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Service installed successfully"), std::string::npos);

  const std::string unit = ReadFileBytes(UnitFile());
  EXPECT_NE(unit.find("Description=Lumora connector service for Retail Pro 9.\n"), std::string::npos) << unit;
  EXPECT_NE(unit.find("ExecStart=" + platform::ExecutablePath() + "\n"), std::string::npos) << unit;
  EXPECT_NE(unit.find("Restart=on-failure\n"), std::string::npos) << unit;
  EXPECT_NE(unit.find("WantedBy=multi-user.target\n"), std::string::npos) << unit;
  EXPECT_EQ(RegistryValue("SYSTEM\\CurrentControlSet\\Services\\LumoraRPro9Connector", "Description"),
            "Lumora connector service for Retail Pro 9.");
  EXPECT_EQ(RegistryValue("SOFTWARE\\OrvikSoftware\\Lumora\\LumoraRPro9Connector", "ServiceDirectory"),
            dir_.dir());
  const int installed = FindLog("Service installed.");
  EXPECT_GE(installed, 0);
  EXPECT_EQ(FindLog("Registry key for execution path was created."), installed + 1);
  // Once from the engine's creation, once from the explicit InitService.
  EXPECT_EQ(CountLog("Configuration:"), 2);

  ClearRecordedLog();
  EXPECT_EQ(RunServiceProgram({"-uninstall", "-silent"}, Environment()), 0);
  EXPECT_FALSE(std::filesystem::exists(UnitFile()));
  EXPECT_TRUE(RegistryValue("SOFTWARE\\OrvikSoftware\\Lumora\\LumoraRPro9Connector", "ServiceDirectory"));
  EXPECT_TRUE(RegistryValue("SYSTEM\\CurrentControlSet\\Services\\LumoraRPro9Connector", "Description"));
  EXPECT_LT(FindLog("Uninstalling service"), FindLog("Service uninstalled."));
  EXPECT_EQ(CountLog("Configuration:"), 2);
}

TEST_F(ServiceHostTest, FailedUninstallNamesTheServiceUnlessSilent) {
  ::unsetenv("INVOCATION_ID");
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunServiceProgram({"/uninstall"}, Environment()), 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Service \"LumoraRPro9Connector\" failed to uninstall"),
            std::string::npos);
  testing::internal::CaptureStderr();
  EXPECT_EQ(RunServiceProgram({"/uninstall", "/silent"}, Environment()), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(ServiceHostTest, StopDuringARunIsHandledAfterTheRunsLastLine) {
  ::unsetenv("INVOCATION_ID");
  bool stop_seen_in_run = false;
  wait_clock_.SetRealStep(std::chrono::milliseconds(2));
  scan_.action = [&](TScanRun& ALogic) {
    ::raise(SIGTERM);
    // The request reaches the service thread's queue during the run...
    stop_seen_in_run = !ALogic.PauseFor(platform::Millis(100000));
  };
  TLumoraRPro9Connector service(Environment());
  EXPECT_EQ(service.Run(), 0);

  EXPECT_TRUE(stop_seen_in_run);
  EXPECT_EQ(scan_.scans, 1);
  // ...and is handled only once the run's tick has returned.
  const int completed = FindLog("======Run completed=======");
  const int stopping = FindLog("Service stopping...", "Connector.ServiceStop");
  ASSERT_GE(completed, 0);
  EXPECT_GT(stopping, FindLog("END", "Connector.tmProcessTimer"));
  EXPECT_GT(FindLog("Service stopped", "Connector.ServiceStop"), stopping);
  EXPECT_GT(FindLog("Lumora for Retail Pro 9 service shutting down"), stopping);
  EXPECT_GT(FindLog("END", "Connector.TVerrinRPro9Connector.ServiceExecute"), stopping);
  EXPECT_FALSE(service.Logic()->Enabled());
}

TEST_F(ServiceHostTest, ShutdownEndsTheLoopWithoutServiceStop) {
  TLumoraRPro9Connector service(Environment());
  scan_.action = [&](TScanRun&) { service.Control(TControlRequest::Shutdown); };
  EXPECT_EQ(service.Run(), 0);
  EXPECT_GE(FindLog("Lumora for Retail Pro 9 service shutting down"), 0);
  EXPECT_EQ(FindLog("Service stopping..."), -1);
  EXPECT_TRUE(service.Logic()->Closing());
}

TEST_F(ServiceHostTest, StopDuringTheSettlePauseEndsTheServiceAtOnce) {
  ::unsetenv("INVOCATION_ID");
  wait_clock_.SetRealStep(std::chrono::milliseconds(2));
  std::thread manager([&] {
    WaitFor([&] { return FakeSeconds() >= 10.0; });
    ::kill(::getpid(), SIGTERM);
  });
  TLumoraRPro9Connector service(Environment());
  EXPECT_EQ(service.Run(), 0);
  manager.join();

  EXPECT_LT(FakeSeconds(), 100.0);
  EXPECT_GE(FindLog("Pausing 1"), 0);
  EXPECT_EQ(FindLog("Oracle pause completed"), -1);
  EXPECT_EQ(database_.version_reads, 0);
  EXPECT_EQ(scan_.scans, 0);
  EXPECT_LT(FindLog("Service stopping..."), FindLog("Lumora for Retail Pro 9 service shutting down"));
}

TEST_F(ServiceHostTest, ConsoleModeRunsUntilInterrupted) {
  testing::internal::CaptureStdout();
  std::thread operator_thread([&] {
    WaitFor([] { return FindLog("END", "Connector.Enable") >= 0; });
    ::kill(::getpid(), SIGINT);
  });
  const int exit_code = RunServiceProgram({"-console"}, Environment());
  operator_thread.join();
  const std::string shown = testing::internal::GetCapturedStdout();

  EXPECT_EQ(exit_code, 0);
  EXPECT_TRUE(ConsoleMode);
  EXPECT_NE(shown.find("Initializing..."), std::string::npos) << shown;
  EXPECT_NE(shown.find("Idle.  Next run will start at "), std::string::npos) << shown;
  // The registry is not read in console mode.
  EXPECT_EQ(ExeDir(), dir_.dir());
}

}  // namespace
}  // namespace lumora::test
