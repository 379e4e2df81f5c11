#include "tests/service/engine_fixture.h"

#include <algorithm>
#include <chrono>

#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "logging/uQzLogging.h"
#include "service/uLumoraRPro9Service.h"

namespace lumora::test {

void FakeWaitClock::WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wakeup,
                              platform::Millis deadline) {
  const platform::Millis now = Elapsed();
  if (deadline != platform::Millis::max() && deadline > now) {
    clock_.AdvanceMilliseconds(static_cast<double>(std::min<platform::Millis::rep>((deadline - now).count(), 1000)));
  }
  wakeup.wait_for(lock, real_step_);
}

void FakeDatabase::GetSession() {
  if (fail_session) throw std::runtime_error("ORA-12541: TNS:no listener");
  ++sessions_taken;
}
void FakeDatabase::ReleaseSession() { ++sessions_released; }
void FakeDatabase::GetRProVersion(std::string& ASchemaVersion, std::string& ABuildNumber) {
  if (fail_queries) throw std::runtime_error("ORA-00942: table or view does not exist");
  ++version_reads;
  ASchemaVersion = "9.30";
  ABuildNumber = "1234";
}
void FakeDatabase::GetSbsAndStoreNo(int& ASbsNo, int& AStoreNo) {
  ASbsNo = 1;
  AStoreNo = 7;
}
bool FakeDatabase::DoesLocalUPCExist() { return true; }

EngineFixture::EngineFixture() : previous_exe_dir_(ExeDir()) {
  loop_.SetErrorHandler([this](std::exception_ptr) { ++dispatch_errors_; });
  SetExeDir(dir_.dir());
  ConsoleMode = true;  // keeps the engine away from the registry
  DatabaseReady = false;
  ConnectorConfig = TConnectorConfig{};
  for (auto& day : ConnectorConfig.ScheduleTimes) day.fill(kUnsetTime);
  UseLogCapture(&capture_);
}

EngineFixture::~EngineFixture() {
  UseLogCapture(nullptr);
  SetExeDir(previous_exe_dir_);
  ConsoleMode = false;
}

void EngineFixture::WriteConfig(const std::function<void(TConnectorConfig&)>& change) {
  if (change) change(ConnectorConfig);
  SaveConfig();
}

std::unique_ptr<TdlgConnectorLogic> EngineFixture::CreateEngine() {
  return std::make_unique<TdlgConnectorLogic>(TEngineServices{
      .loop = loop_,
      .database = database_,
      .scan = scan_,
      .stop_requested = [this] { return stop_.load(); },
  });
}

void EngineFixture::RunFor(double ms, const std::function<bool()>& done) {
  const TDateTime until = clock_.Now() + ms / kMSecsPerDay;
  loop_.RunUntil([&] { return clock_.Now() >= until || (done && done()); });
}

}  // namespace lumora::test
