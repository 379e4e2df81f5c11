#pragma once

// The support notifier: posts one enciphered notification to the maker's
// support endpoint and writes the outcome to the log. It never raises.

#include <exception>
#include <string>
#include <string_view>

#include "support/http_post.h"

namespace lumora {

// The support endpoint's host and port, fixed when the program is built.
extern const std::string_view SupportHost;
extern const int SupportPort;

// "http://" SupportHost ":" SupportPort "/" with the production time-outs.
HttpEndpoint DefaultSupportEndpoint();

// Log types of a notification.
inline constexpr std::string_view LogTypeInfo = "INFO";
inline constexpr std::string_view LogTypeWarning = "WARNING";
inline constexpr std::string_view LogTypeAlert = "ALERT";
inline constexpr std::string_view LogTypeError = "ERROR";
inline constexpr std::string_view LogTypeException = "EXCEPTION";

// Sends notifications for one product and version. Each call is one blocking
// exchange on the calling thread; nothing is kept between calls.
class TSupportNotifier {
 public:
  TSupportNotifier(std::string AProductID, std::string AVersion);
  // For tests: another endpoint (a loopback server, short time-outs).
  TSupportNotifier(std::string AProductID, std::string AVersion, HttpEndpoint AEndpoint);

  void Log(std::string_view AClientID, int ALevel, std::string_view AMessage,
           std::string_view ALogType, std::string_view AArea) const noexcept;
  void Info(std::string_view AClientID, int ALevel, std::string_view AMessage,
            std::string_view AArea) const noexcept;
  void Warning(std::string_view AClientID, int ALevel, std::string_view AMessage,
               std::string_view AArea) const noexcept;
  void Alert(std::string_view AClientID, int ALevel, std::string_view AMessage,
             std::string_view AArea) const noexcept;
  void Error(std::string_view AClientID, std::string_view AMessage,
             std::string_view AArea) const noexcept;
  void Exc(std::string_view AClientID, const std::exception& E, std::string_view AArea) const noexcept;

  const std::string& ProductID() const { return FProductID; }
  const std::string& Version() const { return FVersion; }

 private:
  std::string FProductID;
  std::string FVersion;
  HttpEndpoint endpoint_;
};

// The client identification the service sends with its notices: the
// machine's host name (empty when the system cannot tell it).
std::string InstallationClientID();

// The scan's missing-data notice: a store yielded only AProcessed records.
// Sends "The number of processed records for Verrin was <AProcessed>" as
// information at level 1, area "ScanInventory", for product "LumoraV9" and
// version "version.dll". Never raises.
void NotifyMissingData(int AProcessed, const HttpEndpoint& AEndpoint) noexcept;

}  // namespace lumora
