#include "service/retail_pro_access.h"

#include "retailpro/uLumoraRPro9ConnectorSQLs.h"

namespace lumora {

// The engine's database work goes to the process-wide session; the queries
// run on its connection, which GetSession has just made sure exists.
void TConnectorDatabase::GetSession() { lumora::GetSession(); }

void TConnectorDatabase::ReleaseSession() { lumora::ReleaseSession(); }

void TConnectorDatabase::GetRProVersion(std::string& ASchemaVersion, std::string& ABuildNumber) {
  RProVersion version = lumora::GetRProVersion(SessionConnection());
  ASchemaVersion = std::move(version.schema_version);
  ABuildNumber = std::move(version.build_version);
}

void TConnectorDatabase::GetSbsAndStoreNo(int& ASbsNo, int& AStoreNo) {
  const SbsAndStoreNo local = lumora::GetSbsAndStoreNo(SessionConnection());
  ASbsNo = local.sbs_no;
  AStoreNo = local.store_no;
}

bool TConnectorDatabase::DoesLocalUPCExist() {
  return lumora::DoesLocalUPCExist(SessionConnection());
}

bool TConnectorDatabase::LocalUPCChecked() { return DatabaseSession().LocalUPCChecked; }

}  // namespace lumora
