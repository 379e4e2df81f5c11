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
                   std::mutex& FTransmitCS, const TRetryWait& AWait) {
  Log(9, "BEGIN", TagEnter, kArea);
  std::string step;
  try {
    std::lock_guard lock(FTransmitCS);
    const std::string name(FileNamePart(APath));
    for (std::size_t attempt = 0;; ++attempt) {
      try {
        Upload(APath, AStream, AUploader, step);
        break;
      } catch (const std::exception& error) {
        LogExc(error, "TdlgConnectorLogic.TransmitBatch");
      }
      if (attempt == kUploadRetryWaits.size()) {
        Log(0,
            "Upload of " + name + " failed " + std::to_string(attempt + 1) +
                " times; giving up until the next run",
            TagWarning, kArea);
        break;
      }
      const auto wait = kUploadRetryWaits[attempt];
      Log(1, "Upload of " + name + " failed; trying again in " + std::to_string(wait.count() / 1000) +
                 " seconds",
          TagInfo, kArea);
      if (AWait && !AWait(wait)) {
        Log(1, "Upload of " + name + " given up: the service is stopping", TagInfo, kArea);
        break;
      }
    }
  } catch (const std::exception& error) {
    LogExc(error, std::string(kArea) + " while " + step);
    throw;
  }
  Log(9, "END", TagExit, kArea);
}

}  // namespace lumora
