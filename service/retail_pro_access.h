#pragma once

#include <string>

#include "service/engine_seams.h"

namespace lumora {

// The production database access: the shared Retail Pro session and its
// start-up queries.
class TConnectorDatabase final : public TRetailProAccess {
 public:
  void GetSession() override;
  void ReleaseSession() override;
  void GetRProVersion(std::string& ASchemaVersion, std::string& ABuildNumber) override;
  void GetSbsAndStoreNo(int& ASbsNo, int& AStoreNo) override;
  bool DoesLocalUPCExist() override;
  bool LocalUPCChecked() override;
};

}  // namespace lumora
