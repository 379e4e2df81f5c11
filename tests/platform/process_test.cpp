#include "platform/process.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace lumora::platform {
namespace {

TEST(RunProcessTest, ReportsExitStatusAndStandardOutput) {
  const struct {
    const char* name;
    std::vector<std::string> argv;
    int exit_code;
    std::string output;
  } rows[] = {
      {.name = "success", .argv = {"/bin/sh", "-c", "printf 'a=1\\nb=2'"}, .exit_code = 0,
       .output = "a=1\nb=2"},
      {.name = "failure status is an answer", .argv = {"sh", "-c", "echo out; exit 3"},
       .exit_code = 3, .output = "out\n"},
      {.name = "standard error is not captured", .argv = {"sh", "-c", "echo err >&2"},
       .exit_code = 0, .output = ""},
      {.name = "an argument is not split or expanded", .argv = {"printf", "%s|", "a b", "$HOME"},
       .exit_code = 0, .output = "a b|$HOME|"},
      {.name = "a signal ends it", .argv = {"sh", "-c", "kill -TERM $$"}, .exit_code = -1,
       .output = ""},
  };
  for (const auto& row : rows) {
    const ProcessResult result = RunProcess(row.argv);
    EXPECT_EQ(result.exit_code, row.exit_code) << row.name;
    EXPECT_EQ(result.output, row.output) << row.name;
  }
}

// More than a pipe holds: the reader must drain while the child writes.
TEST(RunProcessTest, CollectsOutputLargerThanAPipe) {
  const ProcessResult result = RunProcess({"head", "-c", "300000", "/dev/zero"});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.output.size(), 300000u);
}

TEST(RunProcessTest, InheritedOutputIsNotCollected) {
  const ProcessResult result = RunProcess({"true"}, ChildOutput::kInherit);
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_TRUE(result.output.empty());
}

TEST(RunProcessTest, AProgramThatCannotStartThrowsNamingIt) {
  try {
    RunProcess({"/nonexistent/lumora-no-such-program"});
    FAIL() << "no exception";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), std::error_code(ENOENT, std::generic_category()));
    EXPECT_NE(std::string(error.what()).find("/nonexistent/lumora-no-such-program"), std::string::npos);
  }
  EXPECT_THROW(RunProcess({}), std::invalid_argument);
}

}  // namespace
}  // namespace lumora::platform
