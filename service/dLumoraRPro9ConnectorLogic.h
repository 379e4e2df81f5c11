#pragma once

// The connector engine: its two timers, enabling and disabling, the run cycle
// and the idle tick. The schedule calculation is in connector_scheduler.h.

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "foundation/date_time.h"
#include "platform/message_loop.h"
#include "service/engine_seams.h"

namespace lumora {

// Time at which the engine was created; the database settle pause counts
// from it.
extern TDateTime EngineStartTime;
// The database initialisation has been done for the current enable.
extern bool DatabaseReady;

// How long Oracle is given to settle after the engine's creation.
inline constexpr int kOracleSettleSeconds = 120;

// The outside parts an engine works with.
struct TEngineServices {
  platform::MessageLoop& loop;  // the engine thread's loop: timers, waits
  TRetailProAccess& database;
  TInventoryScan& scan;
  // True once a stop, shutdown or window close has been requested; ends the
  // settle pause and the configuration wait early. Must be cheap: it is
  // tested while the loop's lock is held. Any thread may make it true and
  // then wake the loop.
  std::function<bool()> stop_requested;
  // False for the engine that installing and uninstalling create: it never
  // runs, so it computes no schedule and leaves a pending run request to the
  // service.
  bool schedule_runs = true;
};

// The connector engine. One per process; lives on the engine's thread and
// does all its work there, in the ticks of its two timers.
class TdlgConnectorLogic final : public TScanRun {
 public:
  // Builds the timers and runs the creation step (InitService). An error of
  // InitService is logged, handed to the loop's error handler, and the
  // engine is still created.
  explicit TdlgConnectorLogic(TEngineServices services);
  ~TdlgConnectorLogic() override;
  TdlgConnectorLogic(const TdlgConnectorLogic&) = delete;
  TdlgConnectorLogic& operator=(const TdlgConnectorLogic&) = delete;

  void InitService();
  void Enable();
  void Disable();
  void InitDatabase();
  void SetTimerInterval();
  // Asks the scan in progress to stop at its next check.
  void StopEvent(const void* ASender = nullptr);

  // The timer handlers; the loop calls them.
  void tmProcessTimer();
  void tmIdleTimer();

  // The run's scan; forwards to the injected TInventoryScan.
  void ScanInventory();

  // --- The run as the scan sees it ---------------------------------------
  bool Aborted() const override { return FAbort; }
  void ClearAbort() override { FAbort = false; }
  bool Closing() const override;
  const std::string& BackupPath() const override { return FBackupPath; }
  void SetTitle(std::string ATitle) override;
  int CurrentRow() const override { return FCurrentRow; }
  void SetRowProgress(int ARowsToProcess, int ACurrentRow) override;
  bool PauseFor(platform::Millis ADuration) override;
  // A timer never runs inside its own tick, and an idle tick arriving here
  // skips itself instead of waiting for the run.
  void ProcessMessages() override;
  std::mutex& TransmitCS() override { return FTransmitCS; }

  // --- State the host, the console and the tests read --------------------
  bool Enabled() const { return FEnabled; }
  int RowsToProcess() const { return FRowsToProcess; }
  const std::string& Title() const { return FTitle; }
  TDateTime NextRun() const { return FNextRun; }
  const std::string& RProSchemaVersion() const { return FRProSchemaVersion; }
  int SbsNo() const { return FSbsNo; }
  // The version, local store and local-UPC check have been read.
  bool DatabaseKnown() const { return FDatabaseKnown; }

  const platform::Timer& ProcessTimer() const { return *tmProcess; }
  const platform::Timer& IdleTimer() const { return *tmIdle; }

  // Called with FTitle whenever it changes (the console shows it).
  void SetTitleObserver(std::function<void(const std::string&)> observer);

 private:
  bool StopRequested() const;
  void CreateFolder(const std::string& path) const;
  void EnablePaths(std::string& step);
  void WaitForConfiguration();
  bool ReloadConfig(bool& changed);
  void ReadDatabaseFacts();

  TEngineServices services_;
  std::unique_ptr<platform::Timer> tmProcess;
  std::unique_ptr<platform::Timer> tmIdle;
  std::function<void(const std::string&)> title_observer_;

  bool FEnabled = false;
  bool FClosing = false;
  bool FProcessing = false;
  std::atomic<bool> FAbort = false;
  std::string FBackupPath;
  TDateTime FNextRun = 0.0;
  std::string FTitle;
  int FRowsToProcess = 0;
  int FCurrentRow = 0;
  std::mutex FTransmitCS;  // serialises uploads
  std::string FRProSchemaVersion;
  std::string FRProBuildNumber;
  int FSbsNo = 0;
  int FStoreNo = 0;
  bool FDatabaseKnown = false;
  bool FImmediateRun = false;  // the current schedule is a taken run-immediate request
};

}  // namespace lumora
