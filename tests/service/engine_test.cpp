#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "configuration/config_file.h"

#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "logging/uQzLogging.h"
#include "service/dLumoraRPro9ConnectorLogic.h"
#include "tests/service/engine_fixture.h"
#include "tests/support/wait_for.h"

namespace lumora::test {
namespace {

constexpr std::string_view kRunArea = "Connector.tmProcessTimer";

// An engine whose configuration schedules by interval, at trace level.
class EngineTest : public EngineFixture {
 protected:
  void WriteIntervalConfig(int interval = 600000) {
    SetGlobalLogLevel(9);
    WriteConfig([interval](TConnectorConfig& c) {
      c.scanscheduling = 0;
      c.scaninterval = interval;
      c.oracledelay = 0;
    });
  }
  // Creates the engine and enables it once the settle pause is over.
  std::unique_ptr<TdlgConnectorLogic> EnabledEngine() {
    auto logic = CreateEngine();
    clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
    logic->Enable();
    ClearRecordedLog();
    return logic;
  }
};

TEST_F(EngineTest, EnableSoonAfterCreationPausesForTheRemainingWholeSeconds) {
  WriteIntervalConfig();
  auto logic = CreateEngine();
  clock_.AdvanceMilliseconds(400);
  logic->Enable();

  EXPECT_GE(FindLog("delaysecs = 119", "Connector.Enable"), 0);
  const int pause = FindLog("Pausing 119 seconds to allow Oracle to settle...", "Connector.Enable");
  const int done = FindLog("Oracle pause completed, continuing.", "Connector.Enable");
  ASSERT_GE(pause, 0);
  EXPECT_GT(done, pause);
  EXPECT_NEAR(FakeSeconds(), 119.4, 0.01);
  EXPECT_EQ(database_.version_reads, 1);
  EXPECT_EQ(logic->SbsNo(), 1);
  EXPECT_EQ(logic->RProSchemaVersion(), "9.30");
  EXPECT_TRUE(logic->Enabled());
  EXPECT_TRUE(logic->ProcessTimer().Enabled());
  EXPECT_TRUE(logic->IdleTimer().Enabled());
  EXPECT_TRUE(std::filesystem::is_directory(dir_.path() / "Batch" / "Archive" / "Verrin"));
  EXPECT_EQ(logic->BackupPath(), dir_.dir() + "Batch/Archive/Verrin");
}

TEST_F(EngineTest, EnableAfterTheSettleTimeDoesNotPause) {
  WriteIntervalConfig();
  auto logic = CreateEngine();
  clock_.Set(At(2026, 12, 9, 10, 2, 5));
  logic->Enable();

  EXPECT_GE(FindLog("delaysecs = -5"), 0);
  EXPECT_EQ(FindLog("Pausing"), -1);
  EXPECT_EQ(clock_.Now(), At(2026, 12, 9, 10, 2, 5));
}

TEST_F(EngineTest, CreationLogsTheConfigurationBannerAndTheFirstSchedule) {
  WriteIntervalConfig();
  auto logic = CreateEngine();
  const int banner = FindLog("Configuration:", "Connector.InitService");
  ASSERT_GE(banner, 1);
  EXPECT_EQ(RecordedLog()[banner - 1].message, std::string(54, '='));
  EXPECT_GT(FindLog("scaninterval=600000"), banner);
  EXPECT_GT(FindLog("Service started."), FindLog("Idle.  Next run will start at 12/09/2026 10:10:00"));
  EXPECT_FALSE(logic->ProcessTimer().Enabled());
  EXPECT_EQ(logic->ProcessTimer().Interval(), 600000u);
}

TEST_F(EngineTest, RunImmediateWhoseSaveFailsRunsOnceAndSchedulingGoesOn) {
  // A program folder where the request cannot be cleared, even for root: the
  // path of the save's temporary file is too long for the system, the
  // configuration file's and the batch folders' are not.
  constexpr std::size_t kFolderLength = 4069;
  std::filesystem::path deep = dir_.path();
  while (deep.string().size() + 201 < kFolderLength - 10) deep /= std::string(200, 'd');
  deep /= std::string(kFolderLength - deep.string().size() - 1, 'e');
  std::filesystem::create_directories(deep);
  SetExeDir(deep.string() + "/");
  // Written in place: a save, which goes through a temporary file, fails here.
  const auto write_in_place = [&] {
    TConnectorConfig file;
    file.scanscheduling = 0;
    file.scaninterval = 60000;
    file.oracledelay = 0;
    file.runimmediate = true;
    std::ofstream(deep / "Lumoraconnector.cfg", std::ios::binary | std::ios::trunc)
        << ConfigFileBytes(file, 1);
  };
  write_in_place();
  ClearRecordedLog();

  auto logic = CreateEngine();
  EXPECT_GE(FindLog("Service started."), 0);
  EXPECT_EQ(logic->ProcessTimer().Interval(), 1000u);
  clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
  logic->Enable();
  // The request runs a second after enabling, and only once; the runs the
  // interval asks for follow, and the failed save is logged once.
  RunFor(200000, [&] { return scan_.scans == 4; });
  EXPECT_EQ(scan_.scans, 4);
  EXPECT_EQ(CountLog("Run Immediate detected"), 1);
  int errors = 0;
  for (const auto& record : RecordedLog()) errors += record.tag == TagError ? 1 : 0;
  EXPECT_EQ(errors, 1);
  EXPECT_NEAR(FakeSeconds(), kOracleSettleSeconds + 1 + 3 * 60, 1.0);

  // A new request, saved again, is taken again.
  clock_.AdvanceMilliseconds(10);
  write_in_place();
  RunFor(10000, [&] { return scan_.scans == 5; });
  EXPECT_EQ(scan_.scans, 5);
  EXPECT_EQ(CountLog("Run Immediate detected"), 2);
}

TEST_F(EngineTest, DatabaseFactsAreReadByTheFirstRunThatReachesTheDatabase) {
  const struct {
    const char* name;
    bool session_fails_at_start;
    bool check_fails_at_start;
  } cases[] = {
      {.name = "database unreachable at start", .session_fails_at_start = true,
       .check_fails_at_start = false},
      {.name = "local-UPC check failed at start", .session_fails_at_start = false,
       .check_fails_at_start = true},
  };
  for (const auto& c : cases) {
    database_ = FakeDatabase{};
    scan_.scans = 0;
    DatabaseReady = false;
    WriteIntervalConfig(60000);
    database_.fail_session = c.session_fails_at_start;
    database_.local_upc_checked = !c.check_fails_at_start;
    auto logic = CreateEngine();
    clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
    logic->Enable();
    EXPECT_FALSE(logic->DatabaseKnown()) << c.name;
    const int reads_at_start = database_.version_reads;

    database_.fail_session = false;
    database_.local_upc_checked = true;
    bool known_in_scan = false;
    scan_.action = [&](TScanRun&) { known_in_scan = logic->DatabaseKnown(); };
    RunFor(61000, [&] { return scan_.scans == 1; });
    EXPECT_TRUE(known_in_scan) << c.name << ": read before the inventory query";
    EXPECT_EQ(database_.version_reads, reads_at_start + 1) << c.name;
    EXPECT_EQ(logic->SbsNo(), 1) << c.name;
    // Read once: later runs leave it alone.
    RunFor(61000, [&] { return scan_.scans == 2; });
    EXPECT_EQ(database_.version_reads, reads_at_start + 1) << c.name;
    scan_.action = {};
  }
}

TEST_F(EngineTest, FirstRunComesWhenEnableAnnouncesIt) {
  // No file at creation: the first schedule is the 24-hour fallback. The
  // file appears during the settle pause.
  auto logic = CreateEngine();
  EXPECT_EQ(logic->ProcessTimer().Interval(), 86400000u);
  clock_.AdvanceMilliseconds(60000);
  WriteIntervalConfig(600000);
  clock_.AdvanceMilliseconds(60000);
  logic->Enable();

  EXPECT_EQ(logic->ProcessTimer().Interval(), 600000u);
  EXPECT_EQ(logic->NextRun(), At(2026, 12, 9, 10, 12, 0));
  double ran_at = 0.0;
  scan_.action = [&](TScanRun&) { ran_at = FakeSeconds(); };
  RunFor(700000, [&] { return scan_.scans == 1; });
  EXPECT_NEAR(ran_at, 720.0, 0.01);
}

TEST_F(EngineTest, RunImmediateTakenAtCreationRunsOneSecondAfterEnable) {
  WriteIntervalConfig(600000);
  WriteConfig([](TConnectorConfig& c) { c.runimmediate = true; });
  auto logic = CreateEngine();
  clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
  logic->Enable();
  EXPECT_EQ(logic->ProcessTimer().Interval(), 1000u);
  double ran_at = 0.0;
  scan_.action = [&](TScanRun&) { ran_at = FakeSeconds(); };
  RunFor(5000, [&] { return scan_.scans == 1; });
  EXPECT_NEAR(ran_at, kOracleSettleSeconds + 1.0, 0.01);
}

TEST_F(EngineTest, StopFromAnotherThreadEndsTheRunAtItsNextCheck) {
  WriteIntervalConfig(60000);
  auto logic = EnabledEngine();
  int checks = 0;
  scan_.action = [&](TScanRun& ALogic) {
    // A long store: a record every fake millisecond until told to close.
    while (!ALogic.Closing()) {
      ++checks;
      ALogic.PauseFor(platform::Millis(1));
      if (checks == 1) {
        std::thread([this] {
          stop_ = true;
          loop_.Wake();
        }).detach();
      }
    }
  };
  RunFor(61000, [&] { return FindLog("======Run completed=======") >= 0; });
  EXPECT_GE(FindLog("======Run completed======="), 0);
  EXPECT_LT(checks, 100000);
  // And the next tick does not start another run.
  RunFor(120000);
  EXPECT_EQ(scan_.scans, 1);
}

TEST_F(EngineTest, ConfigurationWaitRetriesEveryTwoSecondsUntilTheFileAppears) {
  // The file is prepared aside and moved into place from another thread while
  // the engine waits, as the configurator would save it.
  WriteIntervalConfig();
  const auto config = dir_.path() / "Lumoraconnector.cfg";
  const auto aside = dir_.path() / "prepared.cfg";
  std::filesystem::rename(config, aside);
  auto logic = CreateEngine();
  clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
  ClearRecordedLog();

  std::atomic<double> moved_at = 0.0;
  std::thread configurator([&] {
    WaitFor([] { return CountLog("Configuration not found.  Pausing...") >= 3; });
    moved_at = FakeSeconds();
    std::filesystem::rename(aside, config);
  });
  logic->Enable();
  configurator.join();

  // The log stamps lines when the writer writes them, so the pace is read
  // from the fake clock: each failed load is followed by one 2-second pause,
  // and Enable returns at the load that follows the pause in which the file
  // appeared.
  const int failures = CountLog("Configuration not found.  Pausing...");
  EXPECT_GE(failures, 3);
  EXPECT_NEAR(FakeSeconds() - kOracleSettleSeconds, 2.0 * failures, 0.001);
  const int first = FindLog("Configuration not found.  Pausing...");
  EXPECT_EQ(RecordedLog()[first].tag, TagError);
  EXPECT_EQ(RecordedLog()[first].area, "");
  EXPECT_LE(FakeSeconds() - moved_at, 2.001);
  EXPECT_TRUE(logic->Enabled());
}

TEST_F(EngineTest, RunIsFramedByItsLinesAndReArmsTheTimer) {
  WriteIntervalConfig(60000);
  auto logic = EnabledEngine();
  RunFor(61000, [&] { return scan_.scans == 1 && !logic->Title().starts_with("Processing"); });

  ASSERT_EQ(scan_.scans, 1);
  const int enter = FindLog("BEGIN", kRunArea);
  const int start = FindLog("======Starting run========", kRunArea);
  const int level = FindLog("Loglevel: 9");
  const int done = FindLog("======Run completed=======", kRunArea);
  const int exit = FindLog("END", kRunArea);
  EXPECT_GE(enter, 0);
  EXPECT_LT(enter, start);
  EXPECT_LT(start, level);
  EXPECT_LT(level, done);
  EXPECT_LT(done, FindLog("Idle.  Next run will start at", "Connector.SetTimerInterval", done));
  EXPECT_LT(done, exit);
  EXPECT_EQ(database_.sessions_taken, database_.sessions_released);
  EXPECT_TRUE(logic->ProcessTimer().Enabled());
  EXPECT_TRUE(logic->Title().starts_with("Idle.  Next run will start at "));
}

TEST_F(EngineTest, FailedScanIsLoggedWithItsStepAndTheTimerRunsAgain) {
  WriteIntervalConfig(60000);
  auto logic = EnabledEngine();
  scan_.action = [](TScanRun&) { throw EScanFailed("disk full"); };
  RunFor(61000, [&] { return scan_.scans == 1; });

  EXPECT_GE(FindLog("BEGIN", kRunArea), 0);
  EXPECT_GE(FindLog("======Starting run========"), 0);
  const int error = FindError("Connector.tmProcessTimer while scanning inventory");
  ASSERT_GE(error, 0);
  EXPECT_NE(RecordedLog()[error].message.find("EScanFailed"), std::string::npos);
  EXPECT_EQ(FindLog("======Run completed======="), -1);
  EXPECT_EQ(FindLog("END", kRunArea), -1);
  EXPECT_EQ(dispatch_errors_, 1);
  EXPECT_EQ(database_.sessions_taken, database_.sessions_released);
  EXPECT_TRUE(logic->ProcessTimer().Enabled());

  // And the next run comes on schedule.
  scan_.action = {};
  RunFor(61000, [&] { return scan_.scans == 2; });
  EXPECT_EQ(scan_.scans, 2);
}

TEST_F(EngineTest, UnreachableDatabaseFailsTheRunAtGettingSession) {
  WriteIntervalConfig(60000);
  database_.fail_session = true;
  auto logic = CreateEngine();
  clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
  logic->Enable();
  // Initialisation failing does not stop Enable.
  EXPECT_GE(FindError("Connector.TVerrinRPro9Connector.InitDatabase"), 0);
  EXPECT_TRUE(logic->Enabled());

  RunFor(61000, [&] { return FindError("Connector.tmProcessTimer while getting session") >= 0; });
  EXPECT_GE(FindError("Connector.tmProcessTimer while getting session"), 0);
  EXPECT_EQ(scan_.scans, 0);
  EXPECT_TRUE(logic->ProcessTimer().Enabled());
}

TEST_F(EngineTest, RunImmediateIsPickedUpByTheIdleTickAndRunsOneSecondLater) {
  WriteIntervalConfig(3600000);
  auto logic = EnabledEngine();
  RunFor(6000);  // one idle tick with nothing to do
  double ran_at = 0.0;
  scan_.action = [&](TScanRun&) { ran_at = FakeSeconds(); };
  WriteConfig([](TConnectorConfig& c) { c.runimmediate = true; });
  const double written_at = FakeSeconds();

  RunFor(20000, [&] { return scan_.scans == 1; });

  ASSERT_EQ(scan_.scans, 1);
  EXPECT_GE(FindLog("Run Immediate detected; setting run time to Now"), 0);
  // Enabled at 120 s, idle ticks at 125 s and 130 s; the file was written at
  // 126 s, the tick at 130 s found it, and the run came a second later.
  EXPECT_NEAR(written_at, 126.0, 0.001);
  EXPECT_NEAR(ran_at, 131.0, 0.001);
  EXPECT_GE(FindLog("timer set to 1000 milliseconds"), 0);
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_NE(LoadedConfigText.find("runimmediate=0"), std::string::npos);
}

TEST_F(EngineTest, DisabledEngineTicksDoNothing) {
  WriteIntervalConfig(60000);
  auto logic = EnabledEngine();
  logic->Disable();
  // A changed file that a live idle tick would load.
  WriteConfig([](TConnectorConfig& c) { c.scaninterval = 120000; });
  ConnectorConfig.scaninterval = 60000;

  RunFor(3600000.0);

  EXPECT_EQ(scan_.scans, 0);
  EXPECT_EQ(FindLog("======Starting run========"), -1);
  EXPECT_EQ(ConnectorConfig.scaninterval, 60000);
  EXPECT_FALSE(logic->ProcessTimer().Enabled());
  EXPECT_TRUE(logic->IdleTimer().Enabled());
  EXPECT_FALSE(DatabaseReady);

  // Enabled again: the database is initialised again, the timers are not.
  logic->Enable();
  EXPECT_GE(FindLog("BEGIN", "Connector.Enable"), 0);
  EXPECT_GE(FindLog("delaysecs = "), 0);
  EXPECT_EQ(database_.version_reads, 2);
  EXPECT_FALSE(logic->Enabled());
  EXPECT_FALSE(logic->ProcessTimer().Enabled());
}

TEST_F(EngineTest, IdleTickInsideTheRunsCountdownDoesNotWaitForTheRun) {
  WriteIntervalConfig(60000);
  auto logic = EnabledEngine();
  int countdown_steps = 0;
  scan_.action = [&](TScanRun& ALogic) {
    // The shape of the restart countdown: a second's wait, then messages.
    for (; countdown_steps < 10; ++countdown_steps) {
      ALogic.PauseFor(platform::Millis(1000));
      ALogic.ProcessMessages();
    }
  };
  RunFor(61000, [&] { return scan_.scans == 1 && FindLog("======Run completed=======") >= 0; });

  EXPECT_EQ(countdown_steps, 10);
  EXPECT_GE(FindLog("======Run completed======="), 0);
  EXPECT_TRUE(logic->IdleTimer().Enabled());
  EXPECT_TRUE(logic->ProcessTimer().Enabled());
}

TEST_F(EngineTest, StopRequestEndsTheSettlePauseEarly) {
  WriteIntervalConfig();
  auto logic = CreateEngine();
  wait_clock_.SetRealStep(std::chrono::milliseconds(2));
  std::thread stopper([&] {
    WaitFor([&] { return FakeSeconds() >= 10.0; });
    stop_ = true;
    loop_.Wake();
  });
  logic->Enable();
  stopper.join();

  EXPECT_GE(FindLog("Pausing 1"), 0);
  EXPECT_LT(FakeSeconds(), 100.0);
  EXPECT_EQ(FindLog("Oracle pause completed"), -1);
  EXPECT_EQ(database_.version_reads, 0);  // no database work while stopping
}

TEST_F(EngineTest, StopRequestEndsTheConfigurationWait) {
  auto logic = CreateEngine();
  clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
  wait_clock_.SetRealStep(std::chrono::milliseconds(2));
  std::thread stopper([&] {
    WaitFor([&] { return FakeSeconds() >= kOracleSettleSeconds + 5.0; });
    stop_ = true;
    loop_.Wake();
  });
  logic->Enable();  // without the stop it would wait for ever
  stopper.join();
  EXPECT_LT(FakeSeconds(), kOracleSettleSeconds + 60.0);
  EXPECT_GE(CountLog("Configuration not found.  Pausing..."), 1);
}

TEST_F(EngineTest, FolderThatCannotBeCreatedFailsEnableWithItsStep) {
  WriteIntervalConfig();
  dir_.Write("Batch", "not a folder");
  auto logic = CreateEngine();
  clock_.AdvanceMilliseconds(kOracleSettleSeconds * 1000.0);
  EXPECT_ANY_THROW(logic->Enable());
  EXPECT_GE(FindError("Connector.Enable while calculating paths"), 0);
  EXPECT_FALSE(logic->Enabled());
}

}  // namespace
}  // namespace lumora::test
