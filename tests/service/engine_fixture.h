#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "configuration/connector_config.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "platform/message_loop.h"
#include "service/dLumoraRPro9ConnectorLogic.h"
#include "service/engine_seams.h"
#include "tests/service/log_recorder.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_dir.h"

namespace lumora::test {

// A loop clock driven by a FakeClock: a wait moves the fake time on instead
// of sleeping, in steps of at most a second with a tiny real wait between
// them, so another thread's Post or Wake is still noticed.
class FakeWaitClock final : public platform::WaitClock {
 public:
  explicit FakeWaitClock(FakeClock& clock) : clock_(clock) {}
  platform::Millis Elapsed() const override {
    return platform::Millis(std::llround(clock_.Now() * kMSecsPerDay));
  }
  void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wakeup,
                 platform::Millis deadline) override;
  // Real time spent per fake second; more of it gives another thread time
  // to act in the middle of a long fake wait.
  void SetRealStep(std::chrono::microseconds step) { real_step_ = step; }

 private:
  FakeClock& clock_;
  std::chrono::microseconds real_step_{50};
};

// Records the database calls; each can be made to fail.
class FakeDatabase final : public TRetailProAccess {
 public:
  void GetSession() override;
  void ReleaseSession() override;
  void GetRProVersion(std::string& ASchemaVersion, std::string& ABuildNumber) override;
  void GetSbsAndStoreNo(int& ASbsNo, int& AStoreNo) override;
  bool DoesLocalUPCExist() override;
  bool LocalUPCChecked() override { return local_upc_checked; }

  bool fail_session = false;
  bool local_upc_checked = true;  // false: the check's query failed
  bool fail_queries = false;
  int sessions_taken = 0;
  int sessions_released = 0;
  int version_reads = 0;
};

// A scan that runs a test's action; by default it does nothing.
class FakeScan final : public TInventoryScan {
 public:
  void ScanInventory(TScanRun& ARun) override {
    ++scans;
    if (action) action(ARun);
  }
  std::function<void(TScanRun&)> action;
  int scans = 0;
};

LUMORA_DECLARE_EXCEPTION(EScanFailed, Exception);

// A sandbox program directory, fake time starting on a Wednesday morning,
// and an engine loop; the configuration record starts from its defaults.
class EngineFixture : public ::testing::Test {
 protected:
  EngineFixture();
  ~EngineFixture() override;

  // Writes the configuration file from the record after `change`.
  void WriteConfig(const std::function<void(TConnectorConfig&)>& change = {});
  std::unique_ptr<TdlgConnectorLogic> CreateEngine();
  // Seconds of fake time since the fixture's start.
  double FakeSeconds() const { return (clock_.Now() - start_) * kSecsPerDay; }
  // Runs the loop for `ms` of fake time, or until `done` holds.
  void RunFor(double ms, const std::function<bool()>& done = {});

  TempDir dir_;
  TDateTime start_ = At(2026, 12, 9, 10, 0, 0);  // a Wednesday
  FakeClock clock_{start_};
  LogCapture capture_{1};
  FakeWaitClock wait_clock_{clock_};
  platform::MessageLoop loop_{wait_clock_};
  FakeDatabase database_;
  FakeScan scan_;
  std::atomic<bool> stop_ = false;
  int dispatch_errors_ = 0;  // errors that reached the loop's handler
  std::string previous_exe_dir_;
};

}  // namespace lumora::test
