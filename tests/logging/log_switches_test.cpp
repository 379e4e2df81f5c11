#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logging/log_settings.h"
#include "logging/log_switches.h"
#include "logging/uQzLogging.h"
#include "tests/support/log_capture.h"

namespace lumora {
namespace {

TEST(GetCmdLineSwitchValueTest, ParsesTheAcceptedForms) {
  struct Row {
    std::vector<std::string> arguments;
    std::string value;
  };
  const std::vector<Row> rows = {
      {.arguments = {"-loglevel=9"}, .value = "9"},
      {.arguments = {"/loglevel:9"}, .value = "9"},
      {.arguments = {"-LogLevel=9"}, .value = "9"},
      {.arguments = {"-loglevel"}, .value = ""},
      {.arguments = {"-loglevel="}, .value = ""},
      {.arguments = {"--loglevel=9"}, .value = ""},
      {.arguments = {"loglevel=9"}, .value = ""},
      {.arguments = {"-loglevelx=9"}, .value = ""},
      {.arguments = {"-loglevel:a=b"}, .value = "a=b"},
      {.arguments = {"-loglevel= 7 "}, .value = " 7 "},
      {.arguments = {"console", "-loglevel=", "-loglevel=3", "-loglevel=4"}, .value = "3"},
      {.arguments = {}, .value = ""},
  };
  for (const Row& row : rows) {
    std::string joined;
    for (const auto& a : row.arguments) joined += a + " ";
    EXPECT_EQ(GetCmdLineSwitchValue("loglevel", row.arguments), row.value) << "arguments: " << joined;
  }
}

// Each row starts from the module's initial settings.
class ReadLogSwitchesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EndGlobalLog();
    Reset();
  }
  void TearDown() override { Reset(); }
  static void Reset() {
    SetDefaultLogLevel(1);
    SetDefaultLoggingEnabled(true);
    SetLogMachine(false);
    SetTraceLogDir({});
  }
};

TEST_F(ReadLogSwitchesTest, SwitchesSetTheModuleSettings) {
  struct Row {
    const char* name;
    std::vector<std::string> arguments;
    int level;
    bool enabled;
    bool machine;
    std::string trace;
  };
  const std::vector<Row> rows = {
      {.name = "none", .arguments = {}, .level = 1, .enabled = true, .machine = false, .trace = ""},
      {.name = "level 9", .arguments = {"-loglevel=9"}, .level = 9, .enabled = true, .machine = false, .trace = ""},
      {.name = "level 0 disables dbg", .arguments = {"-loglevel=0"}, .level = 0, .enabled = false, .machine = false, .trace = ""},
      {.name = "not a number", .arguments = {"-loglevel=abc"}, .level = -1, .enabled = true, .machine = false, .trace = ""},
      {.name = "trimmed", .arguments = {"-loglevel= 5\t"}, .level = 5, .enabled = true, .machine = false, .trace = ""},
      {.name = "blank ignored", .arguments = {"-loglevel=  "}, .level = 1, .enabled = true, .machine = false, .trace = ""},
      {.name = "first wins", .arguments = {"-loglevel=2", "-loglevel=7"}, .level = 2, .enabled = true, .machine = false, .trace = ""},
      {.name = "machine yes", .arguments = {"-logmachine=yes"}, .level = 1, .enabled = true, .machine = false, .trace = ""},
      {.name = "machine Yes", .arguments = {"-logmachine=Yes"}, .level = 1, .enabled = true, .machine = true, .trace = ""},
      {.name = "machine 1", .arguments = {"-logmachine=1"}, .level = 1, .enabled = true, .machine = true, .trace = ""},
      {.name = "machine T", .arguments = {"/logmachine:T"}, .level = 1, .enabled = true, .machine = true, .trace = ""},
      {.name = "machine re-enables", .arguments = {"-loglevel=0", "-logmachine=1"}, .level = 0, .enabled = true, .machine = true, .trace = ""},
      {.name = "machine off keeps off", .arguments = {"-loglevel=0", "-logmachine=N"}, .level = 0, .enabled = false, .machine = false, .trace = ""},
      {.name = "trace dir", .arguments = {"-tracelogdir= /tmp/x "}, .level = 1, .enabled = true, .machine = false, .trace = "/tmp/x"},
  };
  for (const Row& row : rows) {
    Reset();
    ReadLogSwitches(row.arguments);
    EXPECT_EQ(DefaultLogLevel(), row.level) << row.name;
    EXPECT_EQ(DefaultLoggingEnabled(), row.enabled) << row.name;
    EXPECT_EQ(LogMachine(), row.machine) << row.name;
    EXPECT_EQ(TraceLogDir(), row.trace) << row.name;
  }
}

TEST_F(ReadLogSwitchesTest, LevelZeroOnTheCommandLineSilencesDbgForGood) {
  ReadLogSwitches({"-loglevel=0"});
  test::LogCapture capture(0);
  SetGlobalLogLevel(9);  // as a configuration file would
  LogDbg("debug", "M");
  Log(9, "trace");
  EXPECT_EQ(capture.Messages(), std::vector<std::string>{"trace"});
}

}  // namespace
}  // namespace lumora
