#include "platform/service_manager.h"

#include <gtest/gtest.h>

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

TEST(ServiceUnitTest, ShutdownIsOnlyDetectedUnderSystemd) {
  ::unsetenv("INVOCATION_ID");
  ::unsetenv("NOTIFY_SOCKET");
  EXPECT_FALSE(SystemShuttingDown());
  NotifyServiceReady();  // no service manager: nothing happens
}

}  // namespace
}  // namespace lumora::platform
