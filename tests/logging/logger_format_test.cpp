#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/exceptions.h"
#include "logging/log_settings.h"
#include "logging/uQzLogger.h"
#include "logging/uQzLogging.h"
#include "tests/support/fake_clock.h"
#include "tests/support/log_capture.h"

namespace lumora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

LUMORA_DECLARE_EXCEPTION(ETestFailure, Exception);

// The global logger at a level, on a clock that stands still, so whole lines
// can be compared byte for byte.
class LoggerFormatTest : public ::testing::Test {
 protected:
  test::FakeClock clock_{test::At(2026, 3, 4, 5, 6, 7, 89)};
  test::LogCapture capture_{9};
  TQzLogger& logger_ = *GlobalLogger();
};

TEST_F(LoggerFormatTest, LineLayoutPutsTheMessageInColumn89) {
  Log(1, "Scan started", TagWarning, "Connector.ScanInventory");
  const auto lines = capture_.Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "2026-03-04 05:06:07.089 |  WARNING |Connector.ScanInventory" + std::string(27, ' ') +
                          "| Scan started");
  EXPECT_EQ(lines[0].find("Scan started"), 88u);
}

TEST_F(LoggerFormatTest, AreaIsCutOrPaddedToFiftyCharacters) {
  const std::string sixty(60, 'a');
  struct Row {
    const char* name;
    std::string area;
    std::string message;
    std::string payload;
  };
  const std::vector<Row> rows = {
      {.name = "long area", .area = sixty, .message = "m", .payload = " INFO    |" + std::string(50, 'a') + "| m"},
      {.name = "empty area", .area = "", .message = "m", .payload = " INFO    |" + std::string(50, ' ') + "| m"},
      {.name = "empty message", .area = "X", .message = "", .payload = " INFO    |X" + std::string(49, ' ') + "| "},
  };
  for (const Row& row : rows) Log(1, row.message, TagInfo, row.area);
  const auto payloads = capture_.Payloads();
  ASSERT_EQ(payloads.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(payloads[i], rows[i].payload) << rows[i].name;
}

TEST_F(LoggerFormatTest, ControlCharactersAreEscapedSoOneCallIsOneLine) {
  // A reply text with CR LF inside it must not forge a line of its own.
  const std::string forged =
      "denied\r\n2026-03-04 05:06:07.089 |  INFO    |" + std::string(50, ' ') + "| Support notification sent";
  struct Row {
    const char* name;
    std::string message;
    std::string area;
    std::string shown_message;
    std::string shown_area;
  };
  const std::vector<Row> rows = {
      {.name = "forged line", .message = forged, .area = "",
       .shown_message = "denied\\r\\n2026-03-04 05:06:07.089 |  INFO    |" + std::string(50, ' ') +
                        "| Support notification sent",
       .shown_area = ""},
      {.name = "bell, NUL and DEL", .message = std::string("a\x07" "b\0c\x7f", 6), .area = "",
       .shown_message = "a\\x07b\\x00c\\x7f", .shown_area = ""},
      {.name = "tab stays", .message = "a\tb", .area = "", .shown_message = "a\tb", .shown_area = ""},
      {.name = "area with LF", .message = "m", .area = "Area\nNext", .shown_message = "m",
       .shown_area = "Area\\nNext"},
      {.name = "fixed text", .message = "C:\\oracle | \"quoted\"", .area = "", .shown_message = "C:\\oracle | \"quoted\"",
       .shown_area = ""},
  };
  for (const Row& row : rows) Log(1, row.message, TagInfo, row.area);
  const auto lines = capture_.Lines();
  ASSERT_EQ(lines.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string area = rows[i].shown_area;
    area.resize(50, ' ');
    EXPECT_EQ(lines[i].substr(23), " |  INFO    |" + area + "| " + rows[i].shown_message) << rows[i].name;
  }
}

TEST_F(LoggerFormatTest, AreaWidthCountsCharactersOfTheFilesCodePage) {
  struct Row {
    const char* name;
    std::string area;
    std::string column;  // as read back, converted to UTF-8
  };
  const std::string fifty_e(50, 'e');
  std::string forty_nine_accents;
  for (int i = 0; i < 49; ++i) forty_nine_accents += "\xc3\xa9";  // é
  const std::vector<Row> rows = {
      {.name = "accented", .area = "Caf\xc3\xa9", .column = "Caf\xc3\xa9" + std::string(46, ' ')},
      {.name = "cut after a two-byte character", .area = forty_nine_accents + "\xc3\xa9xyz",
       .column = forty_nine_accents + "\xc3\xa9"},
      {.name = "euro sign (three bytes, one character)", .area = "\xe2\x82\xac" + fifty_e,
       .column = "\xe2\x82\xac" + std::string(49, 'e')},
      {.name = "outside the code page", .area = "\xe4\xb8\xad", .column = "?" + std::string(49, ' ')},
  };
  for (const Row& row : rows) Log(1, "msg", TagInfo, row.area);
  const auto lines = capture_.Lines();
  ASSERT_EQ(lines.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(lines[i].substr(36), rows[i].column + "| msg") << rows[i].name;
  }
  // In the file itself every message starts in column 89.
  capture_.End();
  const std::string bytes = test::ReadFileBytes(capture_.Dir() + "LumoraTest_20260304.log");
  std::size_t checked = 0;
  for (std::size_t start = 0, end = 0; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string_view line(bytes.data() + start, end - start);
    if (!line.ends_with("| msg")) continue;
    EXPECT_EQ(line.size(), 88u + 3u) << checked;
    ++checked;
  }
  EXPECT_EQ(checked, rows.size());
}

TEST_F(LoggerFormatTest, TypedOperationsBuildTheirMessages) {
  const std::vector<std::string> three = {"a", "b", "c"};
  const std::vector<std::string> none;
  logger_.logenter(9, "SaveConfig");
  logger_.logexit(9, "SaveConfig", "7");
  logger_.logvalue(1, "ASbsNo", std::int64_t{1}, 20);
  logger_.logvalue(1, "AVeryLongValueName", "x", 5);
  logger_.logvalue(1, "Neg", std::int64_t{-42}, 0);
  logger_.logvalue(1, "D", 2.5, 0);
  logger_.logvalue(1, "B", true, 3);
  logger_.logvalue(1, "L", static_cast<const std::vector<std::string>*>(nullptr), 0);
  logger_.logvalue(1, "L", &none, 0);
  logger_.logvalue(1, "L", &three, 2);
  logger_.err("broken", "LoadConfig");
  logger_.info(1, "fine");
  EXPECT_THAT(capture_.Messages(),
              ElementsAre("BEGIN", "[7] END", "ASbsNo..............1", "AVeryLongValueNamex", "Neg-42",
                          "D2.500000", "B..True", "LNIL", "L[empty]", "  [0] a", "  [1] b", "  [2] c",
                          "broken", "fine"));
  const auto payloads = capture_.Payloads();
  EXPECT_EQ(payloads[0].substr(0, 10), " >> ENTER|");
  EXPECT_EQ(payloads[1].substr(0, 10), " << EXIT |");
  EXPECT_EQ(payloads[12].substr(0, 20), " ERROR   |LoadConfig");
}

TEST_F(LoggerFormatTest, ExceptionsShowClassMethodAndMessage) {
  const ETestFailure failure("disk full");
  LogExc(failure, "LoadConfig");
  LogExc(failure, "");
  LogExc(failure, "SaveConfig", "3");
  LogExc(std::runtime_error("plain"), "Scan");
  EXPECT_THAT(capture_.Messages(),
              ElementsAre("ETestFailure in LoadConfig: disk full", "ETestFailure",
                          "[3] ETestFailure in SaveConfig: disk full", "std::runtime_error in Scan: plain"));
  EXPECT_EQ(capture_.Payloads()[0].substr(0, 61), " ERROR   |" + std::string(50, ' ') + "|");
}

TEST_F(LoggerFormatTest, LevelsFilterCalls) {
  struct Row {
    int logger_level;
    int call_level;
    bool written;
  };
  const Row rows[] = {
      {.logger_level = 1, .call_level = 9, .written = false},
      {.logger_level = 1, .call_level = 1, .written = true},
      {.logger_level = 0, .call_level = 0, .written = true},
      {.logger_level = 0, .call_level = 1, .written = false},
      {.logger_level = -1, .call_level = 0, .written = false},
      {.logger_level = 9, .call_level = 9, .written = true},
  };
  for (const Row& row : rows) {
    SetGlobalLogLevel(row.logger_level);
    Log(row.call_level, "row " + std::to_string(row.logger_level) + "/" + std::to_string(row.call_level));
  }
  SetGlobalLogLevel(9);
  std::vector<std::string> expected;
  for (const Row& row : rows) {
    if (row.written) expected.push_back("row " + std::to_string(row.logger_level) + "/" + std::to_string(row.call_level));
  }
  EXPECT_EQ(capture_.Messages(), expected);
}

TEST_F(LoggerFormatTest, DebugLinesNeedLoggingEnabledAndLevelNine) {
  SetGlobalLoggingEnabled(false);
  LogDbg("hidden", "M");
  SetGlobalLoggingEnabled(true);
  LogDbg("shown", "M");
  SetGlobalLogLevel(8);
  LogDbg("too detailed", "M");
  EXPECT_THAT(capture_.Messages(), ElementsAre("shown"));
  EXPECT_EQ(capture_.Payloads()[0].substr(0, 11), " DEBUG   |M");
}

TEST_F(LoggerFormatTest, AnnouncingLevelChangesIsAProgramChoice) {
  SetGlobalLogLevel(5);  // the service: only stored
  SetAnnounceLogLevelChanges(true);
  SetGlobalLogLevel(0);  // zero is never announced
  SetGlobalLogLevel(5);
  SetAnnounceLogLevelChanges(false);
  EXPECT_THAT(capture_.Messages(), ElementsAre("LogLevel set to 5"));
  EXPECT_EQ(GlobalLogLevel(), 5);
}

TEST(LoggerLifetimeTest, CallsBeforeStartAndAfterEndAreDroppedQuietly) {
  EndGlobalLog();
  EXPECT_EQ(GlobalLogLevel(), -1);
  Log(0, "before");  // no logger: nothing happens
  std::vector<std::string> lines;
  {
    test::LogCapture capture(9);
    Log(0, "during");
    capture.End();
    Log(0, "after");
    LogErr("after", "X");
    LogExc(std::runtime_error("after"), "X");
    LogDbg("after");
    EXPECT_EQ(GlobalLogLevel(), -1);
    EXPECT_THAT(capture.Messages(), ElementsAre("during"));
  }
}

TEST(LoggerLifetimeTest, StartGlobalLogTwiceKeepsOneLoggerAndOneBanner) {
  test::LogCapture capture(1);
  TQzLogger* first = GlobalLogger();
  StartGlobalLog("LumoraTest", false);
  EXPECT_EQ(GlobalLogger(), first);
  Log(1, "one");
  EXPECT_THAT(capture.Messages(), ElementsAre("one"));
}

TEST(LoggerLifetimeTest, LinesFromSeveralThreadsKeepEachThreadsOrder) {
  test::LogCapture capture(1);
  constexpr int kLines = 2000;
  auto producer = [](char id) {
    for (int i = 0; i < kLines; ++i) {
      // Appended rather than added: GCC 12 warns falsely (-Wrestrict) on the sum.
      std::string message(1, id);
      message += std::to_string(i);
      Log(1, message);
    }
  };
  std::thread a(producer, 'a');
  std::thread b(producer, 'b');
  a.join();
  b.join();
  int next_a = 0;
  int next_b = 0;
  for (const std::string& message : capture.Messages()) {
    int& next = message[0] == 'a' ? next_a : next_b;
    ASSERT_EQ(std::stoi(message.substr(1)), next) << message;
    ++next;
  }
  EXPECT_EQ(next_a, kLines);
  EXPECT_EQ(next_b, kLines);
}

TEST(LoggerListTest, LoggersJoinOnCreationAndLeaveOnEnd) {
  const std::size_t before = LoggerList().size();
  {
    TQzLogger logger("LumoraListTest", false);
    EXPECT_EQ(LoggerList().size(), before + 1);
    EXPECT_EQ(LoggerList().back(), &logger);
    EXPECT_FALSE(logger.LoggingStarted());
    EXPECT_EQ(logger.QueueSize(), 0);
    EXPECT_THAT(logger.OutputPath(), IsEmpty());
    logger.EndLogging();
    EXPECT_EQ(LoggerList().size(), before);
  }
  EXPECT_EQ(LoggerList().size(), before);
}

}  // namespace
}  // namespace lumora
