#pragma once

#include <chrono>
#include <string>

#include "foundation/exceptions.h"
#include "foundation/streams.h"

namespace lumora {

// An upload that the FTP server or the network refused: connection refused,
// log-in rejected, time-out, transfer error.
LUMORA_DECLARE_EXCEPTION(EFtpError, Exception);

// Sends a finished batch to the receiving service. Called on the engine's
// thread, one upload at a time (the caller holds FTransmitCS).
class TBatchUploader {
 public:
  virtual ~TBatchUploader() = default;

  // Connects, logs in, stores AStream from its current position to its end
  // under ARemoteName in the directory the account starts in (replacing a
  // file of that name) and disconnects, whatever happened. Raises EFtpError
  // when the upload fails (ECurlError when libcurl itself cannot start).
  virtual void Store(const std::string& ARemoteName, TStream& AStream) = 0;
};

// Where and how batches are uploaded.
struct TFtpSettings {
  std::string Host;
  int Port = 21;
  std::string User;
  std::string Password;
  // A server that accepts the connection but stays silent must not hold the
  // engine's thread for ever: connecting, including the server's greeting,
  // has its own bound besides the reply time-out.
  std::chrono::milliseconds ConnectTimeout{30000};
  std::chrono::milliseconds ReplyTimeout{60000};
};

// The endpoint and account built into the service (build settings
// LUMORA_FTP_HOST, LUMORA_FTP_PORT, LUMORA_FTP_USER, LUMORA_FTP_PASSWORD).
TFtpSettings BuiltInFtpSettings();

// Uploads over FTP: passive mode, IPv4, transfer type A, no proxy whatever
// the environment says, a new connection for each upload.
class TFtpUploader final : public TBatchUploader {
 public:
  explicit TFtpUploader(TFtpSettings ASettings);
  void Store(const std::string& ARemoteName, TStream& AStream) override;

 private:
  TFtpSettings settings_;
};

}  // namespace lumora
