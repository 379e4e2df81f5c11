#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>

#include "foundation/uQzTextStream.h"
#include "service/batch_uploader.h"

namespace lumora {

// The waits before the second and the third attempt of an upload: a short
// outage of the receiving service should not leave it stale until the next
// scheduled run, often the next day.
inline constexpr std::array<std::chrono::milliseconds, 2> kUploadRetryWaits{
    std::chrono::milliseconds(10000), std::chrono::milliseconds(60000)};

// Waits the given time on the engine's thread; false when a stop request
// ended the wait early.
using TRetryWait = std::function<bool(std::chrono::milliseconds)>;

// Uploads the open batch AStream under the file-name part of APath, holding
// FTransmitCS for the whole upload; the engine's TransmitBatch delegates
// here.
//
// A failed attempt is logged (method "TdlgConnectorLogic.TransmitBatch") and
// tried again after each of kUploadRetryWaits, which AWait spends; a stop
// ends the waiting. After the last failure the upload is given up, not
// raised: the run goes on and the next run sends a fresh batch. Only an
// error outside the upload, such as taking the lock, is logged with
// "Connector.TransmitBatch while " + the upload's step and raised.
void TransmitBatch(const std::string& APath, TAnsiTextStream* AStream, TBatchUploader& AUploader,
                   std::mutex& FTransmitCS, const TRetryWait& AWait);

}  // namespace lumora
