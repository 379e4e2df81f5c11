#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "logging/uQzLogging.h"
#include "tests/support/log_capture.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;

TEST(LogCaptureTest, ReadsBackMessagesAfterTheBanner) {
  test::LogCapture capture(9);
  Log(1, "hello", TagInfo, "Area");
  LogEnter(9, "SaveConfig");
  Log(10, "too detailed");
  EXPECT_THAT(capture.Messages(), ElementsAre("hello", "BEGIN"));
  ASSERT_EQ(capture.Lines().size(), 2u);
  EXPECT_EQ(capture.Lines()[0].substr(23, 3), " | ");
}

}  // namespace
}  // namespace lumora
