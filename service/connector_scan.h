#pragma once

#include "service/engine_seams.h"

namespace lumora {

// The production inventory scan: walks ClientIDs, writes, sends and archives
// one batch per store. Its body lives in connector_scan.cpp.
class TConnectorScan final : public TInventoryScan {
 public:
  void ScanInventory(TdlgConnectorLogic& ALogic) override;
};

// The production database access (the shared Retail Pro session and its
// queries) lives in retail_pro_access.cpp.
class TConnectorDatabase final : public TRetailProAccess {
 public:
  void GetSession() override;
  void ReleaseSession() override;
  void GetRProVersion(std::string& ASchemaVersion, std::string& ABuildNumber) override;
  void GetSbsAndStoreNo(int& ASbsNo, int& AStoreNo) override;
  bool DoesLocalUPCExist() override;
};

}  // namespace lumora
