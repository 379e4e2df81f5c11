#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <regex>
#include <thread>
#include <vector>

#include "foundation/clock.h"
#include "foundation/date_time.h"
#include "foundation/paths.h"
#include "logging/log_banner.h"
#include "logging/log_output.h"
#include "logging/log_settings.h"
#include "logging/uQzLogger.h"
#include "logging/uQzLogging.h"
#include "tests/support/fake_clock.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait_for.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::vector<std::string> FileNames(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(directory)) names.push_back(item.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A logger of its own in a temporary log directory; the module settings it
// touches are put back afterwards.
class LogFilesTest : public ::testing::Test {
 protected:
  LogFilesTest() : saved_log_dir_(LogDir()) {
    EndGlobalLog();
    SetLogDir(dir_.dir());
  }
  ~LogFilesTest() override {
    EndGlobalLog();
    SetLogDir(saved_log_dir_);
    SetTraceLogDir({});
  }

  std::string ReadLog(std::string_view date) const {
    return dir_.Read("LumoraRPro9Service_" + std::string(date) + ".log");
  }

  test::FakeClock clock_{test::At(2026, 1, 31, 23, 59, 59, 0)};
  test::TempDir dir_;
  std::string saved_log_dir_;
};

// A tiny tmpfs mounted over a temporary directory in a mount namespace of the
// test's own, so the log directory fills up for real and can be grown again.
class SmallDisk {
 public:
  SmallDisk() {
    // Needs root; the namespace keeps the mount away from everyone else.
    if (::unshare(CLONE_NEWNS) != 0) return;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return;
    mounted_ = ::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=8k") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  bool Grow() { return ::mount(nullptr, dir_.path().c_str(), nullptr, MS_REMOUNT, "size=1m") == 0; }
  const test::TempDir& Dir() const { return dir_; }

 private:
  test::TempDir dir_;
  bool mounted_ = false;
};

// Every line of a log file's bytes is whole: stamp, tag, area column, message.
void ExpectWholeLines(const std::string& bytes, std::string_view when) {
  static const std::regex stamp(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} \| )");
  EXPECT_TRUE(bytes.ends_with("\r\n")) << when << ", ends with: " << bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 60));
  for (const std::string& line : test::SplitLogLines(bytes)) {
    ASSERT_GE(line.size(), 88u) << when << ": " << line;
    EXPECT_EQ(line.substr(23, 3), " | ") << when << ": " << line;
    EXPECT_TRUE(line[4] == '-' && line[13] == ':' && line[19] == '.') << when << ": " << line;
    EXPECT_FALSE(std::regex_search(line.begin() + 1, line.end(), stamp)) << when << ": lines run together: " << line;
  }
}

TEST(LogFileNameTest, NamesTheFileAfterModuleAndDay) {
  const TDateTime t = test::At(2026, 7, 8, 9, 10, 11, 12);
  EXPECT_EQ(LogFileName("/var/log/lumora/", "LumoraRPro9Service", t, false),
            "/var/log/lumora/LumoraRPro9Service_20260708.log");
  EXPECT_EQ(LogFileName("/l", "LumoraRPro9Configurator", t, true), "/l/LumoraRPro9Configurator_20260708_091011012.log");
}

TEST_F(LogFilesTest, TheFirstBurstAfterMidnightStartsANewFile) {
  StartGlobalLog("LumoraRPro9Service", false);
  Log(0, "old day");
  ASSERT_TRUE(DrainGlobalLog());
  const std::string old_day = ReadLog("20260131");
  clock_.Set(test::At(2026, 2, 1, 0, 0, 1, 0));
  Log(0, "new day");
  EndGlobalLog();
  EXPECT_EQ(ReadLog("20260131"), old_day);
  EXPECT_THAT(old_day, ::testing::HasSubstr("| old day\r\n"));
  EXPECT_EQ(test::SplitLogLines(ReadLog("20260201")).size(), 1u);
  EXPECT_THAT(ReadLog("20260201"), ::testing::StartsWith("2026-02-01 00:00:01.000 |  INFO    |"));
}

TEST(LogShortWriteTest, AFullDiskLeavesWholeLinesAndTheRetryWritesEachLineOnce) {
  SmallDisk disk;
  if (!disk.Mounted()) GTEST_SKIP() << "needs root for a private tmpfs";
  const std::string saved_log_dir = LogDir();
  EndGlobalLog();
  SetLogDir(disk.Dir().dir());
  StartGlobalLog("LumoraRPro9Service", false);
  GlobalLogger()->SetRetryPause(20ms);
  constexpr int kLines = 200;
  // 97-byte messages, so the 8 KiB limit falls inside a line.
  for (int i = 0; i < kLines; ++i) {
    char number[8];
    std::snprintf(number, sizeof number, "%03d", i);
    Log(0, "line " + std::string(number) + " " + std::string(88, 'x'));
  }
  const fs::path file = fs::path(disk.Dir().dir()) / ("LumoraRPro9Service_" + FormatDateTime("yyyymmdd", Now()) + ".log");
  ASSERT_TRUE(test::WaitFor([&] {
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    return !ec && size > 4096 && GlobalLogger()->QueueSize() > 0;
  }));
  // The writer keeps retrying, and each attempt that the disk cuts short is
  // cut back to the last whole line. A look can land in the microseconds
  // between the two, so each look waits briefly for a file that ends a line;
  // a cut line left behind never does.
  for (int look = 0; look < 3; ++look) {
    std::string bytes;
    EXPECT_TRUE(test::WaitFor([&] {
      bytes = test::ReadFileBytes(file);
      return bytes.ends_with("\r\n");
    }, 2s));
    ExpectWholeLines(bytes, "while full");
    std::this_thread::sleep_for(30ms);
  }
  ASSERT_TRUE(disk.Grow());
  ASSERT_TRUE(DrainGlobalLog());
  EndGlobalLog();
  SetLogDir(saved_log_dir);

  const std::string bytes = test::ReadFileBytes(file);
  ExpectWholeLines(bytes, "after the retry");
  std::vector<std::string> messages;
  for (const std::string& line : test::SplitLogLines(bytes)) {
    if (line.substr(88).starts_with("line ")) messages.push_back(line.substr(88));
  }
  ASSERT_EQ(messages.size(), static_cast<std::size_t>(kLines));
  for (int i = 0; i < kLines; ++i) EXPECT_EQ(std::stoi(messages[i].substr(5, 3)), i) << messages[i];
}

TEST_F(LogFilesTest, DeletingTheCurrentFileBetweenBurstsIsHarmless) {
  StartGlobalLog("LumoraRPro9Service", false);
  ASSERT_TRUE(DrainGlobalLog());
  const std::string path = GlobalLogger()->OutputPath();
  EXPECT_EQ(path, dir_.dir() + "LumoraRPro9Service_20260131.log");
  fs::remove(path);
  Log(0, "again");
  ASSERT_TRUE(DrainGlobalLog());
  EXPECT_EQ(test::SplitLogLines(test::ReadFileBytes(path)).size(), 1u);
}

TEST_F(LogFilesTest, LinesAreWrittenInTheAnsiCodePage) {
  StartGlobalLog("LumoraRPro9Service", false);
  Log(0, "Caf\u00e9 \u20ac5 \u4e2d");
  EndGlobalLog();
  EXPECT_THAT(ReadLog("20260131"), ::testing::HasSubstr("| Caf\xe9 \x80" "5 ?\r\n"));
}

TEST_F(LogFilesTest, RetentionKeepsTheNewest29OfTheModulesOwnFiles) {
  struct Row {
    const char* name;
    int existing;  // the running logger adds today's file to these
    bool same_day;
    int deleted;
  };
  const Row rows[] = {
      {.name = "32 files in all", .existing = 31, .same_day = false, .deleted = 0},
      {.name = "33 files in all", .existing = 32, .same_day = false, .deleted = 4},
      {.name = "33 files of one day", .existing = 32, .same_day = true, .deleted = 4},
  };
  for (const Row& row : rows) {
    test::TempDir dir;
    SetLogDir(dir.dir());
    const auto base = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::vector<std::string> own;
    for (int i = 0; i < row.existing; ++i) {
      // Names run against the ages, so the order must come from the dates.
      const std::string name = "LumoraRPro9Service_2025" + std::to_string(1000 - i) + ".log";
      fs::last_write_time(dir.Write(name, "x"), base + std::chrono::hours(24 * (row.same_day ? 0 : i)));
      own.push_back(name);
    }
    for (int i = 0; i < 40; ++i) {
      fs::last_write_time(dir.Write("LumoraRPro9Configurator_2024" + std::to_string(1000 + i) + ".log", "x"), base);
    }
    dir.Write("orviklogger.log", "x");
    fs::last_write_time(dir.path() / "orviklogger.log", base);

    StartGlobalLog("LumoraRPro9Service", false);
    EndGlobalLog();

    std::vector<std::string> expected_gone;
    if (row.same_day) {
      std::vector<std::string> by_name = own;
      std::sort(by_name.begin(), by_name.end());
      expected_gone.assign(by_name.begin(), by_name.begin() + row.deleted);
    } else {
      expected_gone.assign(own.begin(), own.begin() + row.deleted);
    }
    const auto names = FileNames(dir.path());
    for (const std::string& name : own) {
      const bool gone = std::find(expected_gone.begin(), expected_gone.end(), name) != expected_gone.end();
      EXPECT_EQ(std::find(names.begin(), names.end(), name) == names.end(), gone) << row.name << ": " << name;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(row.existing + 1 - row.deleted + 40 + 1)) << row.name;
  }
}

TEST_F(LogFilesTest, TraceFileNamesTheLogDirectoryAndIsRewrittenAtEveryStart) {
  test::TempDir trace;
  trace.Write("orviklogger.log", "stale content that is longer than the new line ........................");
  SetTraceLogDir(trace.dir());
  StartGlobalLog("LumoraRPro9Service", false);
  EndGlobalLog();
  EXPECT_EQ(trace.Read("orviklogger.log"), "LogDir = \"" + dir_.dir() + "\"\r\n");
}

TEST_F(LogFilesTest, AMissingTraceDirectoryDoesNotStopLogging) {
  SetTraceLogDir(dir_.dir() + "no/such/dir/");
  StartGlobalLog("LumoraRPro9Service", false);
  Log(0, "still here");
  EndGlobalLog();
  EXPECT_THAT(ReadLog("20260131"), ::testing::HasSubstr("| still here\r\n"));
}

TEST_F(LogFilesTest, StartLoggingCreatesTheLogDirectoryUnderTheProgramDirectory) {
  const std::string saved_exe_dir = ExeDir();
  SetExeDir(dir_.dir());
  SetLogDir(InitialLogDir());
  StartGlobalLog("LumoraRPro9Service", false);
  EndGlobalLog();
  SetExeDir(saved_exe_dir);
  EXPECT_EQ(LogDir(), dir_.dir() + "logs/");
  EXPECT_TRUE(fs::exists(dir_.path() / "logs" / "LumoraRPro9Service_20260131.log"));
}

TEST_F(LogFilesTest, AnUnwritableDirectoryKeepsEveryLineUntilItCanBeWritten) {
  // A file where the directory should be: no one, root included, can write.
  dir_.Write("blocked", "not a directory");
  SetLogDir(dir_.dir() + "blocked/");
  StartGlobalLog("LumoraRPro9Service", false);
  TQzLogger& logger = *GlobalLogger();
  logger.SetRetryPause(10ms);
  for (int i = 0; i < 50; ++i) Log(0, "line " + std::to_string(i));
  EXPECT_FALSE(DrainGlobalLog(50ms));
  EXPECT_EQ(logger.QueueSize(), 13 + 50);
  EXPECT_TRUE(test::WaitFor([&] { return logger.LastError().find("Not a directory") != std::string::npos; }))
      << "the removal of old logs could not list the directory: " << logger.LastError();
  fs::remove(dir_.path() / "blocked");
  fs::create_directory(dir_.path() / "blocked");
  ASSERT_TRUE(DrainGlobalLog());
  EndGlobalLog();
  const auto lines = test::SplitLogLines(dir_.Read("blocked/LumoraRPro9Service_20260131.log"));
  ASSERT_EQ(lines.size(), 13u + 50u);
  for (int i = 0; i < 50; ++i) EXPECT_TRUE(lines[13 + i].ends_with("| line " + std::to_string(i))) << lines[13 + i];
}

TEST_F(LogFilesTest, BannerHasThirteenLinesWithoutTheMachineBlock) {
  SetLogMachine(false);
  StartGlobalLog("LumoraRPro9Service", false);
  EndGlobalLog();
  const auto lines = test::SplitLogLines(ReadLog("20260131"));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[2].substr(88), "START OF LOG");
  EXPECT_EQ(lines[5].substr(88), "LogLevel = 1");
}

TEST_F(LogFilesTest, ModuleEndEndsEveryLoggerAndEmptiesTheDirectories) {
  TQzLogger own("LumoraOwn", false);
  own.StartLogging();
  own.log(0, "own line");
  StartGlobalLog("LumoraRPro9Service", false);
  Log(0, "global line");
  SetTraceLogDir("/somewhere");
  EndLoggingModule();
  EXPECT_EQ(GlobalLogger(), nullptr);
  EXPECT_FALSE(own.LoggingStarted());
  EXPECT_TRUE(LoggerList().empty());
  EXPECT_EQ(LogDir(), "");
  EXPECT_EQ(TraceLogDir(), "");
  EXPECT_THAT(ReadLog("20260131"), ::testing::HasSubstr("| global line\r\n"));
  EXPECT_THAT(dir_.Read("LumoraOwn_20260131.log"), ::testing::HasSubstr("| own line\r\n"));
}

}  // namespace
}  // namespace lumora
