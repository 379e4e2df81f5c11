#include "platform/service_host.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace lumora::platform {
namespace {

TEST(ServiceUnitTest, ExecStartQuotesAPathWithBlanks) {
  const struct {
    const char* executable;
    const char* exec_start;
  } cases[] = {
      {.executable = "/opt/lumora/LumoraRPro9Service", .exec_start = "ExecStart=/opt/lumora/LumoraRPro9Service\n"},
      {.executable = "/opt/Lumora Connector/LumoraRPro9Service",
       .exec_start = "ExecStart=\"/opt/Lumora Connector/LumoraRPro9Service\"\n"},
  };
  for (const auto& row : cases) {
    const std::string unit = ServiceUnitText({.name = "X", .description = "D", .executable = row.executable});
    EXPECT_NE(unit.find(row.exec_start), std::string::npos) << unit;
    EXPECT_NE(unit.find("Type=notify\n"), std::string::npos);
  }
}

TEST(ServiceUnitTest, TheSandboxKeepsWhatTheServiceUsesVisible) {
  const struct {
    const char* name;
    ServiceDefinition service;
    std::vector<std::string> present;
    std::vector<std::string> absent = {};
  } rows[] = {
      {.name = "installed in /opt",
       .service = {.name = "X", .description = "D", .executable = "/opt/lumora/LumoraRPro9Service"},
       .present = {"ReadWritePaths=/opt/lumora\n", "PrivateTmp=yes\n", "ProtectHome=yes\n"},
       .absent = {"Environment="}},
      {.name = "program directory recorded with a trailing separator",
       .service = {.name = "X", .description = "D", .executable = "/opt/l/S", .data_directory = "/srv/lumora/"},
       .present = {"ReadWritePaths=/srv/lumora\n"}},
      {.name = "registry in a home directory",
       .service = {.name = "X", .description = "D", .executable = "/opt/l/S",
                   .environment = {"LUMORA_REGISTRY=/root/registry"}},
       .present = {"Environment=LUMORA_REGISTRY=/root/registry\n", "ProtectHome=read-only\n"}},
      {.name = "program under /tmp",
       .service = {.name = "X", .description = "D", .executable = "/tmp/demo/S"},
       .present = {"ReadWritePaths=/tmp/demo\n"}, .absent = {"PrivateTmp"}},
      {.name = "blanks and percent signs",
       .service = {.name = "X", .description = "50% D", .executable = "/opt/a b/S",
                   .environment = {"LUMORA_REGISTRY=/etc/reg 100%"}},
       .present = {"Description=50%% D\n", "ExecStart=\"/opt/a b/S\"\n", "ReadWritePaths=\"/opt/a b\"\n",
                   "Environment=\"LUMORA_REGISTRY=/etc/reg 100%%\"\n"}},
  };
  for (const auto& row : rows) {
    const std::string unit = ServiceUnitText(row.service);
    for (const std::string& line : row.present) EXPECT_NE(unit.find(line), std::string::npos) << row.name << ": " << line << unit;
    for (const std::string& text : row.absent) EXPECT_EQ(unit.find(text), std::string::npos) << row.name << ": " << text;
  }
  // A line break would let a path add directives of its own.
  EXPECT_THROW(ServiceUnitText({.name = "X", .description = "D", .executable = "/opt/l/S\nUser=nobody"}),
               std::invalid_argument);
}

TEST(ServiceUnitTest, ShutdownIsOnlyDetectedUnderSystemd) {
  ::unsetenv("INVOCATION_ID");
  ::unsetenv("NOTIFY_SOCKET");
  EXPECT_FALSE(SystemShuttingDown());
  NotifyServiceReady();  // no service manager: nothing happens
}

}  // namespace
}  // namespace lumora::platform
