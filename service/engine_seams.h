#pragma once

// The outside work the connector engine composes, each behind a small
// interface so that the program wires the real parts and tests use fakes.
// Every call comes on the engine's thread.

#include <string>

#include "retailpro/session_hold.h"

namespace lumora {

class TdlgConnectorLogic;

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

// The inventory scan of one run: every configured store, its batch file,
// upload and archive. Runs inside the process tick while the engine holds
// the database session; reads and sets the engine's run state (abort flag,
// status line, row counters, folders) through the engine's public members.
class TInventoryScan {
 public:
  virtual ~TInventoryScan() = default;
  virtual void ScanInventory(TdlgConnectorLogic& ALogic) = 0;
};

}  // namespace lumora
