#pragma once

#include <mutex>
#include <string>

#include "foundation/uQzTextStream.h"
#include "service/batch_uploader.h"

namespace lumora {

// Uploads the open batch AStream under the file-name part of APath, holding
// FTransmitCS for the whole upload; the engine's TransmitBatch delegates
// here. AStep is the engine's step text, updated as the upload goes on.
//
// A failed upload is logged (method "TdlgConnectorLogic.TransmitBatch") and
// not raised: the run goes on and the next run sends a fresh batch. There is
// no retry. Only an error outside the upload, such as taking the lock, is
// logged with "Connector.TransmitBatch while " + AStep and raised.
void TransmitBatch(const std::string& APath, TAnsiTextStream* AStream, TBatchUploader& AUploader,
                   std::mutex& FTransmitCS, std::string& AStep);

}  // namespace lumora
