#pragma once

// The configurator's FTP log-in test: connect, log in, quit. Nothing is
// transferred and nothing is saved.

#include <string>

namespace lumora {

// The port of the FTP control connection.
inline constexpr int kFtpPort = 21;
// Upper bound for opening the control connection, so an unreachable host
// cannot freeze the window for the operating system's full time-out.
inline constexpr long kFtpConnectTimeoutSeconds = 20;

// Connects to `host` on `port` over IPv4, reads the greeting, logs in with
// USER and PASS and sends QUIT. Returns the operator's message: "Connection
// successful", or "Connection failed: " and what went wrong (the server's
// reply to a refused log-in, or the connection error). Never raises.
std::string TestFtpLogin(const std::string& host, const std::string& user,
                         const std::string& password, int port = kFtpPort,
                         long connect_timeout_seconds = kFtpConnectTimeoutSeconds);

}  // namespace lumora
