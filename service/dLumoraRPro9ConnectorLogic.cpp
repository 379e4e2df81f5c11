#include "service/dLumoraRPro9ConnectorLogic.h"

#include <cmath>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "configuration/connector_config.h"
#include "configuration/uLumoraRPro9ConnectorCommon.h"
#include "foundation/clock.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "logging/uQzLogging.h"
#include "platform/registry.h"
#include "service/connector_scheduler.h"
#include "service/service_identity.h"

namespace lumora {

TDateTime EngineStartTime = 0.0;
bool DatabaseReady = false;

namespace {

constexpr std::uint32_t kProcessInterval = 60000;
constexpr std::uint32_t kIdleInterval = 5000;
constexpr platform::Millis kConfigurationRetry{2000};
const std::string kBannerLine(54, '=');

}  // namespace

TdlgConnectorLogic::TdlgConnectorLogic(TEngineServices services) : services_(std::move(services)) {
  tmProcess = services_.loop.CreateTimer([this] { tmProcessTimer(); });
  tmProcess->SetInterval(kProcessInterval);
  tmIdle = services_.loop.CreateTimer([this] { tmIdleTimer(); });
  tmIdle->SetInterval(kIdleInterval);

  // Creation step. (COM needs no initialising on this platform.)
  FEnabled = false;
  EngineStartTime = Now();
  try {
    InitService();
  } catch (...) {
    // Already logged by InitService; the engine exists all the same.
    services_.loop.ReportError(std::current_exception());
    return;
  }
  LogInfo(1, "Service started.");
}

TdlgConnectorLogic::~TdlgConnectorLogic() = default;

void TdlgConnectorLogic::InitService() {
  constexpr std::string_view kArea = "Connector.InitService";
  try {
    if (!ConsoleMode) {
      // The installation directory recorded at install time, not where this
      // program file happens to be found.
      if (const auto key = platform::RegistryKey::Open(ServiceRegistryKey())) {
        SetExeDir(key->ReadString(kServiceDirectoryValue).value_or(""));
        SetLogDir(LogFolder(ExeDir()));
      }
    }
    bool changed = false;
    ReloadConfig(changed);
    StartGlobalLog("LumoraRPro9Service", false);
    LogInfo(1, kBannerLine, kArea);
    LogInfo(1, "Configuration:", kArea);
    LogInfo(1, kBannerLine, kArea);
    // The loaded text holds one configuration line per CR LF; each goes into the log
    // as a line of its own, since the logger escapes line breaks within a message.
    for (std::string_view rest = LoadedConfigText; !rest.empty();) {
      const auto end = rest.find("\r\n");
      LogInfo(1, rest.substr(0, end), kArea);
      rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 2);
    }
    LogInfo(1, kBannerLine, kArea);
    if (services_.schedule_runs) SetTimerInterval();
  } catch (const std::exception& error) {
    LogExc(error, kArea);
    throw;
  }
  Log(9, "END", TagExit, kArea);
}

bool TdlgConnectorLogic::Closing() const { return FClosing || StopRequested(); }

bool TdlgConnectorLogic::ReloadConfig(bool& changed) {
  const bool loaded = LoadConfig(changed);
  DropRequestAlreadyTaken();
  return loaded;
}

bool TdlgConnectorLogic::StopRequested() const {
  return services_.stop_requested && services_.stop_requested();
}

bool TdlgConnectorLogic::PauseFor(platform::Millis ADuration) {
  return services_.loop.WaitFor(ADuration, [this] { return StopRequested(); });
}

void TdlgConnectorLogic::ProcessMessages() { services_.loop.ProcessMessages(); }

void TdlgConnectorLogic::CreateFolder(const std::string& path) const {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return;
  // One level only: a missing parent is an installation fault worth an error.
  if (!std::filesystem::create_directory(path, ec) && ec) {
    throw EInOutError("Unable to create directory \"" + path + "\". " + SystemErrorText(ec.value()));
  }
}

void TdlgConnectorLogic::Enable() {
  constexpr std::string_view kArea = "Connector.Enable";
  LogEnter(1, kArea);
  std::string step;
  try {
    if (!DatabaseReady) {
      step = "calculating delay time";
      const TDateTime settled = EngineStartTime + kOracleSettleSeconds / kSecsPerDay;
      const auto delaysecs = static_cast<std::int64_t>(std::trunc((settled - Now()) * kSecsPerDay));
      LogInfo(1, "delaysecs = " + std::to_string(delaysecs), kArea);
      bool settle_completed = true;
      if (delaysecs > 0) {
        LogInfo(1, "Pausing " + std::to_string(delaysecs) + " seconds to allow Oracle to settle...", kArea);
        // A stop request ends the pause: the service manager would otherwise
        // kill the process before the log is written out.
        settle_completed = PauseFor(platform::Millis(delaysecs * 1000));
        if (settle_completed) LogInfo(1, "Oracle pause completed, continuing.", kArea);
      }
      // Contacting the database is pointless when the program is ending.
      if (settle_completed) {
        step = "initializing database";
        InitDatabase();
        DatabaseReady = true;
      }
    }
    if (!FClosing) {
      FProcessing = false;
      EnablePaths(step);
      WaitForConfiguration();
      // The schedule computed at creation counted from then, on the
      // configuration of then: the first run would come a settle pause late,
      // or a day late when the file only appeared meanwhile. A run-immediate
      // request taken at creation still runs a second after this.
      step = "setting timer interval";
      if (!FImmediateRun) SetTimerInterval();
      tmProcess->SetEnabled(true);
      tmIdle->SetEnabled(true);
      FEnabled = true;
    }
  } catch (const std::exception& error) {
    LogExc(error, std::string(kArea) + " while " + step);
    throw;
  }
  LogExit(1, kArea);
}

void TdlgConnectorLogic::EnablePaths(std::string& step) {
  step = "calculating paths";
  const std::string exe_dir = ExeDir();
  CreateFolder(BatchFolder(exe_dir));

  std::error_code ec;
  const std::string archive = BatchArchiveFolder(exe_dir);
  if (!std::filesystem::is_directory(archive, ec)) {
    step = "creating Archive path \"" + archive + "\"";
    LogInfo(1, step, "Connector.Enable");
    CreateFolder(archive);
  }
  FBackupPath = BatchBackupFolder(exe_dir);
  if (!std::filesystem::is_directory(FBackupPath, ec)) {
    step = "creating batch backup path \"" + FBackupPath + "\"";
    LogInfo(1, step, "Connector.Enable");
    CreateFolder(FBackupPath);
  }
}

void TdlgConnectorLogic::WaitForConfiguration() {
  bool changed = false;
  while (!ReloadConfig(changed)) {
    Log(0, "Configuration not found.  Pausing...", TagError);
    if (!PauseFor(kConfigurationRetry)) return;  // stopping: no point waiting
  }
}

void TdlgConnectorLogic::Disable() {
  DatabaseReady = false;
  FClosing = true;
  FEnabled = false;
}

void TdlgConnectorLogic::InitDatabase() {
  constexpr std::string_view kArea = "Connector.TVerrinRPro9Connector.InitDatabase";
  LogEnter(1, kArea);
  try {
    TSessionHold session(services_.database);
    ReadDatabaseFacts();
    session.Release();
  } catch (const std::exception& error) {
    // Not fatal: the run's own GetSession reports an unreachable database.
    LogExc(error, kArea);
  }
  LogExit(1, kArea);
}

void TdlgConnectorLogic::ReadDatabaseFacts() {
  services_.database.GetRProVersion(FRProSchemaVersion, FRProBuildNumber);
  services_.database.GetSbsAndStoreNo(FSbsNo, FStoreNo);
  services_.database.DoesLocalUPCExist();
  // The check swallows its errors; only one that really ran settles it.
  FDatabaseKnown = services_.database.LocalUPCChecked();
}

void TdlgConnectorLogic::SetTimerInterval() {
  const TNextRun next = CalculateNextRun(Now());
  FImmediateRun = next.run_immediate;
  FNextRun = next.FNextRun;
  tmProcess->SetInterval(next.interval);
  SetTitle(next.FTitle);
}

void TdlgConnectorLogic::StopEvent(const void* /*ASender*/) { FAbort = true; }

void TdlgConnectorLogic::ScanInventory() { services_.scan.ScanInventory(*this); }

void TdlgConnectorLogic::SetRowProgress(int ARowsToProcess, int ACurrentRow) {
  FRowsToProcess = ARowsToProcess;
  FCurrentRow = ACurrentRow;
}

void TdlgConnectorLogic::SetTitle(std::string ATitle) {
  if (ATitle == FTitle) return;
  FTitle = std::move(ATitle);
  if (title_observer_) title_observer_(FTitle);
}

void TdlgConnectorLogic::SetTitleObserver(std::function<void(const std::string&)> observer) {
  title_observer_ = std::move(observer);
}

void TdlgConnectorLogic::tmProcessTimer() {
  constexpr std::string_view kArea = "Connector.tmProcessTimer";
  Log(9, "BEGIN", TagEnter, kArea);
  std::string step = "disabling timer";
  tmProcess->SetEnabled(false);
  // No wait for an idle tick in progress (FIdling): this tick could only
  // start inside one, and the idle tick never lets messages through.
  if (Closing()) {
    Log(9, "END", TagExit, kArea);
    return;
  }

  FProcessing = true;
  std::exception_ptr failure;
  try {
    LogInfo(1, "======Starting run========", kArea);
    try {
      LogInfo(1, "Loglevel: " + std::to_string(GlobalLogLevel()));
    } catch (...) {
    }
    step = "getting session";
    TSessionHold session(services_.database);
    // Without the version, local store and local-UPC check (the database was
    // out of reach at start) every batch would silently use the query
    // without local UPCs: they are read on the run's session until they are.
    if (!FDatabaseKnown) {
      try {
        ReadDatabaseFacts();
      } catch (const std::exception& error) {
        LogExc(error, "Connector.TVerrinRPro9Connector.InitDatabase");
      }
    }
    step = "scanning inventory";
    // A failed scan's error is the one to report: the hold's release then
    // swallows its own.
    ScanInventory();
    step = "releasing session";
    session.Release();
    LogInfo(1, "======Run completed=======", kArea);
    step = "setting timer interval";
  } catch (...) {
    failure = std::current_exception();
  }

  // Every run, successful or not, ends with a fresh schedule and a running
  // process timer. The idle tick stood aside during the run, so what the
  // configurator saved meanwhile (a run-immediate request, a new interval)
  // is read now.
  try {
    bool changed = false;
    ReloadConfig(changed);
  } catch (...) {
  }
  try {
    SetTimerInterval();
  } catch (...) {
  }
  tmProcess->SetEnabled(true);
  FProcessing = false;

  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& error) {
      LogExc(error, std::string(kArea) + " while " + step);
    } catch (...) {
    }
    std::rethrow_exception(failure);
  }
  Log(9, "END", TagExit, kArea);
}

void TdlgConnectorLogic::tmIdleTimer() {
  tmIdle->SetEnabled(false);
  // Re-armed however this tick ends, also when an error escapes.
  struct ReArm {
    platform::Timer& timer;
    ~ReArm() { timer.SetEnabled(true); }
  } re_arm{*tmIdle};

  // A run is in progress only when this tick was let through by the run's
  // own message processing (the scan's restart countdown). The run cannot
  // end before this tick returns, so waiting for it would hang the engine:
  // the tick is skipped instead, and the run reschedules when it ends.
  if (FProcessing || Closing()) return;

  bool changed = false;
  try {
    ReloadConfig(changed);
  } catch (...) {
    changed = false;
  }
  if ((changed || ConnectorConfig.runimmediate) && tmProcess->Enabled()) {
    tmProcess->SetEnabled(false);
    // The process timer runs again even when the calculation fails, with its
    // previous interval, so that a failed save cannot stop all runs.
    struct Restart {
      platform::Timer& timer;
      ~Restart() { timer.SetEnabled(true); }
    } restart{*tmProcess};
    SetTimerInterval();
  }
}

}  // namespace lumora
