#pragma once

#include "service/engine_seams.h"

namespace lumora {

// The production inventory scan: walks ClientIDs, writes, sends and archives
// one batch per store. Its body lives in connector_scan.cpp.
class TConnectorScan final : public TInventoryScan {
 public:
  void ScanInventory(TdlgConnectorLogic& ALogic) override;
};

}  // namespace lumora
