#include "service/connector_scan.h"

#include "logging/uQzLogging.h"
#include "service/dLumoraRPro9ConnectorLogic.h"

namespace lumora {

// The scan of every configured store goes here: for each ClientIDs entry the
// inventory query, the batch file in ALogic.BatchPath(), the upload under
// ALogic.TransmitCS(), the archive copy in ALogic.BackupPath(); status through
// ALogic.SetTitle / SetRowProgress, ALogic.Aborted() checked per row, and
// ALogic.ProcessMessages / PauseFor for the restart countdown.
void TConnectorScan::ScanInventory(TdlgConnectorLogic& /*ALogic*/) {
  constexpr std::string_view kArea = "Connector.ScanInventory";
  Log(9, "BEGIN", TagEnter, kArea);
  Log(9, "END", TagExit, kArea);
}

}  // namespace lumora
