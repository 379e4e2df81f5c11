#pragma once

// The outside work the connector engine composes, each behind a small
// interface so that the program wires the real parts and tests use fakes.
// Every call comes on the engine's thread.

#include <chrono>
#include <mutex>
#include <string>

#include "retailpro/session_hold.h"

namespace lumora {

// The shared Retail Pro database session (taken and released as a
// TSessionSource) and the start-up queries.
class TRetailProAccess : public TSessionSource {
 public:
  virtual void GetRProVersion(std::string& ASchemaVersion, std::string& ABuildNumber) = 0;
  virtual void GetSbsAndStoreNo(int& ASbsNo, int& AStoreNo) = 0;
  // Whether the local-UPC column exists; the answer is kept for the
  // inventory query.
  virtual bool DoesLocalUPCExist() = 0;
  // Whether the last DoesLocalUPCExist really asked the database; its
  // errors only answer false.
  virtual bool LocalUPCChecked() { return true; }
};

// What a scan sees of the engine's run; the engine provides it.
class TScanRun {
 public:
  virtual ~TScanRun() = default;

  // FAbort, set by StopEvent; the scan clears it when it starts.
  virtual bool Aborted() const = 0;
  virtual void ClearAbort() = 0;
  // The engine is disabled or a stop has been requested (from any thread):
  // a long run stops at its next check instead of running to its end.
  virtual bool Closing() const = 0;
  // Where sent batches are archived (FBackupPath).
  virtual const std::string& BackupPath() const = 0;
  // The status line (FTitle) and the row counters of the store being read.
  virtual void SetTitle(std::string ATitle) = 0;
  virtual int CurrentRow() const = 0;
  virtual void SetRowProgress(int ARowsToProcess, int ACurrentRow) = 0;
  // Blocks the engine's thread; false when a stop request ended it early.
  virtual bool PauseFor(std::chrono::milliseconds ADuration) = 0;
  // Lets queued messages and due timers through during a long step.
  virtual void ProcessMessages() = 0;
  // Serialises uploads (FTransmitCS).
  virtual std::mutex& TransmitCS() = 0;
};

// The inventory scan of one run: every configured store, its batch file,
// upload and archive. Runs inside the process tick while the engine holds
// the database session.
class TInventoryScan {
 public:
  virtual ~TInventoryScan() = default;
  virtual void ScanInventory(TScanRun& ARun) = 0;
};

}  // namespace lumora
