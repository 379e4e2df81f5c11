#include "support/uQzNotifySupport.h"

#include <memory>

#include "foundation/clock.h"
#include "logging/uQzLogging.h"
#include "platform/system_facts.h"
#include "support/request_envelopes.h"

namespace lumora {
namespace {

// The endpoint answered with nothing at all.
LUMORA_DECLARE_EXCEPTION(ESupportServerDown, Exception);

}  // namespace

const std::string_view SupportHost = LUMORA_SUPPORT_HOST;
const int SupportPort = LUMORA_SUPPORT_PORT;

HttpEndpoint DefaultSupportEndpoint() {
  HttpEndpoint endpoint;
  endpoint.url = "http://" + std::string(SupportHost) + ":" + std::to_string(SupportPort) + "/";
  return endpoint;
}

TSupportNotifier::TSupportNotifier(std::string AProductID, std::string AVersion)
    : TSupportNotifier(std::move(AProductID), std::move(AVersion), DefaultSupportEndpoint()) {}

TSupportNotifier::TSupportNotifier(std::string AProductID, std::string AVersion,
                                   HttpEndpoint AEndpoint)
    : FProductID(std::move(AProductID)),
      FVersion(std::move(AVersion)),
      endpoint_(std::move(AEndpoint)) {}

void TSupportNotifier::Log(std::string_view AClientID, int ALevel, std::string_view AMessage,
                           std::string_view ALogType, std::string_view AArea) const noexcept {
  // A notification must never disturb its caller: every error ends here,
  // logged once, including errors while logging.
  try {
    try {
      TLogRequest request;
      TAbstractResponse response;
      request.FEventDatetime = FormatDateTime("mm/dd/yyyy hh:nn:ss.zzz", Now());
      request.FClientID = std::string(AClientID);
      request.FProductID = FProductID;
      request.FVersion = FVersion;
      request.FLevel = ALevel;
      request.FLogMessage = std::string(AMessage);
      request.FLogType = std::string(ALogType);
      request.FArea = std::string(AArea);

      const std::string reply = HttpPost(endpoint_, request.AsString());
      if (reply.empty()) {
        throw ESupportServerDown(
            "The registration server is down for maintenance. Please try again later.");
      }
      response.SetAsString(reply);
      if (response.ResponseType() == TResponseType::rsSuccess) {
        lumora::Log(1, "Support notification sent", TagInfo, {});
      } else {
        LogErr("Support notification failed: " + response.ResponseText(), {});
      }
    } catch (const std::exception& error) {
      LogExc(error, "TSupportNotifier.Log");
    }
  } catch (...) {
  }
}

void TSupportNotifier::Info(std::string_view AClientID, int ALevel, std::string_view AMessage,
                            std::string_view AArea) const noexcept {
  Log(AClientID, ALevel, AMessage, LogTypeInfo, AArea);
}

void TSupportNotifier::Warning(std::string_view AClientID, int ALevel, std::string_view AMessage,
                               std::string_view AArea) const noexcept {
  Log(AClientID, ALevel, AMessage, LogTypeWarning, AArea);
}

void TSupportNotifier::Alert(std::string_view AClientID, int ALevel, std::string_view AMessage,
                             std::string_view AArea) const noexcept {
  Log(AClientID, ALevel, AMessage, LogTypeAlert, AArea);
}

void TSupportNotifier::Error(std::string_view AClientID, std::string_view AMessage,
                             std::string_view AArea) const noexcept {
  Log(AClientID, 0, AMessage, LogTypeError, AArea);
}

void TSupportNotifier::Exc(std::string_view AClientID, const std::exception& E,
                           std::string_view AArea) const noexcept {
  try {
    Log(AClientID, 0, ExceptionClassName(E) + ": " + E.what(), LogTypeException, AArea);
  } catch (...) {
  }
}

std::string InstallationClientID() {
  std::string name = platform::LocalSystemFacts().ComputerName();
  return name == platform::kUndetermined ? std::string() : name;
}

void NotifyMissingData(int AProcessed, const HttpEndpoint& AEndpoint) noexcept {
  try {
    const TSupportNotifier notifier("LumoraV9", "version.dll", AEndpoint);
    notifier.Info(InstallationClientID(), 1,
                  "The number of processed records for Verrin was " + std::to_string(AProcessed),
                  "ScanInventory");
  } catch (...) {
  }
}

}  // namespace lumora
