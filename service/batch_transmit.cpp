#include "service/batch_transmit.h"

#include "foundation/paths.h"
#include "logging/uQzLogging.h"

namespace lumora {
namespace {

constexpr std::string_view kArea = "Connector.TransmitBatch";

void Upload(const std::string& APath, TAnsiTextStream* AStream, TBatchUploader& AUploader,
            std::string& AStep) {
  AStep = "creating stream";
  TStream* file = AStream != nullptr ? AStream->Stream() : nullptr;
  if (file == nullptr) throw EStreamError("There is no batch stream to upload");
  AStep = "rewinding stream";
  file->SetPosition(0);
  // The uploader connects, logs in, stores and disconnects in one call, and
  // closes its connection on every path.
  AStep = "calling FTP Put";
  AUploader.Store(std::string(FileNamePart(APath)), *file);
}

}  // namespace

void TransmitBatch(const std::string& APath, TAnsiTextStream* AStream, TBatchUploader& AUploader,
                   std::mutex& FTransmitCS, std::string& AStep) {
  Log(9, "BEGIN", TagEnter, kArea);
  try {
    std::lock_guard lock(FTransmitCS);
    try {
      Upload(APath, AStream, AUploader, AStep);
    } catch (const std::exception& error) {
      LogExc(error, "TdlgConnectorLogic.TransmitBatch");
    }
  } catch (const std::exception& error) {
    LogExc(error, std::string(kArea) + " while " + AStep);
    throw;
  }
  Log(9, "END", TagExit, kArea);
}

}  // namespace lumora
