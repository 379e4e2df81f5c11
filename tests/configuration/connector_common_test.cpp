#include "configuration/uLumoraRPro9ConnectorCommon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "configuration/config_file.h"
#include "configuration/config_file_io.h"
#include "foundation/exceptions.h"
#include "foundation/paths.h"
#include "logging/uQzLogging.h"
#include "platform/ansi_code_page.h"
#include "platform/executable.h"
#include "platform/platform_config.h"
#include "tests/support/fake_clock.h"
#include "tests/support/log_capture.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using test::At;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

double Hms(int hour, int minute) { return At(1899, 12, 30, hour, minute); }

// A log line from its tag on, as LogCapture::Payloads gives it.
std::string Payload(std::string_view tag, std::string_view area, std::string_view message) {
  std::string area_column(area.substr(0, 50));
  area_column.resize(50, ' ');
  return std::string(tag) + "|" + area_column + "| " + std::string(message);
}

std::string Scrambled(std::string_view utf8) {
  std::string bytes = platform::ToAnsi(utf8);
  ScrambleConfigBytes(bytes);
  return bytes;
}

// A program directory of its own, a fixed clock and a fresh record per test.
class ConnectorCommonTest : public ::testing::Test {
 protected:
  ConnectorCommonTest() : saved_exe_dir_(ExeDir()), clock_(At(2026, 6, 1, 10, 0), 300) {
    SetExeDir(exe_dir_.dir());
    ConnectorConfig = TConnectorConfig{};
    LoadedConfigText = "[not loaded]";
  }
  ~ConnectorCommonTest() override {
    SetExeDir(saved_exe_dir_);
    ConnectorConfig = TConnectorConfig{};
  }

  std::string ConfigPath() const { return exe_dir_.dir() + "Lumoraconnector.cfg"; }
  void WriteConfig(std::string_view text) const { exe_dir_.Write("Lumoraconnector.cfg", Scrambled(text)); }

  std::string saved_exe_dir_;
  test::TempDir exe_dir_;
  test::FakeClock clock_;
};

TEST_F(ConnectorCommonTest, SaveThenLoadRoundTripsAndReportsNoChange) {
  test::LogCapture capture(9);
  auto& c = ConnectorConfig;
  c.clientids = {"1.5=A B", "1.7=X\"Y", "2.1="};
  c.scanscheduling = 0;
  c.scaninterval = 900000;
  c.sleepbegin = Hms(22, 15);
  c.sleepend = Hms(5, 0);
  c.oracledelay = 0;
  c.lastquery = At(2026, 5, 31, 23, 59, 58, 125);
  c.ScheduleTimes[0][0] = Hms(0, 0);
  c.ScheduleTimes[3][2] = Hms(12, 0);
  c.ScheduleTimes[6][5] = Hms(23, 59);
  c.runimmediate = true;
  c.notifyonstartup = true;
  SetGlobalLogLevel(5);
  SaveConfig();
  const TConnectorConfig saved = c;

  bool changed = true;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_FALSE(changed);
  EXPECT_EQ(c.clientids, saved.clientids);
  EXPECT_EQ(c.scanscheduling, 0);
  EXPECT_EQ(c.scaninterval, 900000);
  EXPECT_EQ(c.sleepbegin, saved.sleepbegin);
  EXPECT_EQ(c.sleepend, saved.sleepend);
  EXPECT_EQ(c.oracledelay, 0);
  EXPECT_NEAR(c.lastquery, saved.lastquery, 0.5 / kMSecsPerDay);
  EXPECT_EQ(c.ScheduleTimes, saved.ScheduleTimes);
  EXPECT_TRUE(c.runimmediate);
  EXPECT_FALSE(c.restartonmissingdata);
  EXPECT_TRUE(c.notifyonstartup);
  EXPECT_EQ(GlobalLogLevel(), 5);
  EXPECT_THAT(LoadedConfigText, ::testing::StartsWith("clientids=\"1.5=A B\"|\"1.7=X\"\"Y\"|2.1=\r\n"));
  EXPECT_THAT(LoadedConfigText, ::testing::EndsWith("notifyonstartup=True\r\n"));

  // Every call on a readable file loads it again.
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_FALSE(changed);
}

TEST_F(ConnectorCommonTest, StartValuesComeBackChangedBecauseSecondsAreNotSaved) {
  EXPECT_EQ(LoadedConfigText, "[not loaded]");
  SaveConfig();
  EXPECT_EQ(ConnectorConfig.sleepend, 1.0 / 86400.0) << "saving leaves the record alone";
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_TRUE(changed) << "00:00:01 is saved as 12:00 AM";
  EXPECT_EQ(ConnectorConfig.sleepend, 0.0);
}

TEST_F(ConnectorCommonTest, ChangedRule) {
  struct Case {
    const char* name;
    std::string text;
    bool changed;
    std::int32_t interval = 600000;  // before the load
  } const cases[] = {
      {.name = "same values", .text = "scaninterval=600000\r\nsleepbegin=1:00\r\n", .changed = false},
      {.name = "missing interval is the default", .text = "sleepbegin=1:00\r\n", .changed = false},
      {.name = "missing interval differs", .text = "sleepbegin=1:00\r\n", .changed = true, .interval = 5000},
      {.name = "interval", .text = "scaninterval=600001\r\n", .changed = true},
      {.name = "sleep begin", .text = "scaninterval=600000\r\nsleepbegin=1:01\r\n", .changed = true},
      {.name = "sleep end", .text = "scaninterval=600000\r\nsleepend=1:00\r\n", .changed = true},
      {.name = "a slot", .text = "scaninterval=600000\r\nwednesdaytime4=1:00\r\n", .changed = true},
      {.name = "a cleared slot keeps its time",
       .text = "scaninterval=600000\r\nsundaytime1=\r\n", .changed = false},
      {.name = "other keys",
       .text = "scaninterval=600000\r\noracledelay=1\r\nclientids=1.1=A\r\nscanscheduling=0\r\n"
               "runimmediate=1\r\nlastquery=2020-01-01 00:00:00.000\r\n",
       .changed = false},
  };
  for (const Case& c : cases) {
    ConnectorConfig = TConnectorConfig{};
    ConnectorConfig.scaninterval = c.interval;
    ConnectorConfig.sleepbegin = Hms(1, 0);
    ConnectorConfig.ScheduleTimes[0][0] = Hms(8, 0);
    WriteConfig(c.text);
    bool changed = !c.changed;
    EXPECT_TRUE(LoadConfig(changed)) << c.name;
    EXPECT_EQ(changed, c.changed) << c.name;
    EXPECT_EQ(ConnectorConfig.ScheduleTimes[0][0], Hms(8, 0)) << c.name;
  }
}

TEST_F(ConnectorCommonTest, LoglevelGoesToTheLogger) {
  test::LogCapture capture(9);
  WriteConfig("loglevel=5\r\n");
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_EQ(GlobalLogLevel(), 5);
  WriteConfig("scaninterval=1\r\n");
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_EQ(GlobalLogLevel(), 1);
}

TEST_F(ConnectorCommonTest, MissingFile) {
  test::LogCapture capture(9);
  ConnectorConfig.scaninterval = 1234;
  bool changed = true;
  EXPECT_FALSE(LoadConfig(changed));
  EXPECT_FALSE(changed);
  EXPECT_EQ(ConnectorConfig.scaninterval, 1234);
  EXPECT_THAT(capture.Payloads(), ElementsAre(Payload(TagInfo, "LoadConfig", "Config file not found")));
  EXPECT_EQ(LoadedConfigText, "[not loaded]");
}

TEST_F(ConnectorCommonTest, EmptyFileLogsTwoMessages) {
  test::LogCapture capture(9);
  exe_dir_.Write("Lumoraconnector.cfg", "");
  ConnectorConfig.scaninterval = 1234;
  bool changed = true;
  EXPECT_FALSE(LoadConfig(changed));
  EXPECT_FALSE(changed);
  EXPECT_EQ(ConnectorConfig.scaninterval, 1234);
  EXPECT_THAT(capture.Payloads(), ElementsAre(Payload(TagInfo, "LoadConfig", "Config file empty"),
                                              Payload(TagInfo, "LoadConfig", "Config empty, skipping parse")));
}

TEST_F(ConnectorCommonTest, UnreadableFileIsLoggedAsAnError) {
  test::LogCapture capture(9);
  std::filesystem::create_directory(ConfigPath());
  ConnectorConfig.scaninterval = 1234;
  bool changed = true;
  EXPECT_FALSE(LoadConfig(changed));
  EXPECT_FALSE(changed);
  EXPECT_EQ(ConnectorConfig.scaninterval, 1234);
  const auto payloads = capture.Payloads();
  ASSERT_EQ(payloads.size(), 1u);
  EXPECT_THAT(payloads[0], ::testing::StartsWith(std::string(TagError) + "|"));
  EXPECT_THAT(payloads[0], ::testing::HasSubstr("LoadConfig"));
  EXPECT_THAT(payloads[0], ::testing::HasSubstr(ConfigPath()));
}

TEST_F(ConnectorCommonTest, SaveLogsItsStepsAtLevelNine) {
  test::LogCapture capture(9);
  SaveConfig();
  EXPECT_THAT(capture.Payloads(),
              ElementsAre(Payload(TagEnter, "SaveConfig", "BEGIN"),
                          Payload(TagInfo, "SaveConfig", "Writing config values to list"),
                          Payload(TagInfo, "SaveConfig", "Encrypting list"),
                          Payload(TagInfo, "SaveConfig", "Writing config to file"),
                          Payload(TagInfo, "SaveConfig", "Config values written to list"),
                          Payload(TagExit, "SaveConfig", "END")));
  // The logger's own level is what the file records.
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_EQ(GlobalLogLevel(), 9);
}

TEST_F(ConnectorCommonTest, SaveIntoAMissingDirectoryRaisesAndLeavesNoExitMarker) {
  test::LogCapture capture(9);
  SetExeDir(exe_dir_.dir() + "gone/");
  try {
    SaveConfig();
    FAIL() << "SaveConfig did not raise";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + exe_dir_.dir() +
                                                   "gone/Lumoraconnector.cfg\". ",
                                               0),
              0u)
        << error.what();
  }
  EXPECT_THAT(capture.Payloads(), Not(Contains(Payload(TagExit, "SaveConfig", "END"))));
}

TEST_F(ConnectorCommonTest, SaveReplacesTheFileAndLeavesNoTemporaryFiles) {
  namespace fs = std::filesystem;
  ConnectorConfig.clientids = {"1.1=A", "1.2=B", "1.3=C"};
  SaveConfig();
  const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::group_write | fs::perms::others_read;
  fs::permissions(ConfigPath(), shared);
  ConnectorConfig.clientids = {};
  SaveConfig();
  EXPECT_EQ(fs::status(ConfigPath()).permissions(), shared);
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_TRUE(ConnectorConfig.clientids.empty());
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(exe_dir_.path())) {
    ++files;
    EXPECT_EQ(entry.path().filename(), "Lumoraconnector.cfg");
  }
  EXPECT_EQ(files, 1);
}

// The full 100 MB in optimised builds; debug and sanitizer builds, which run
// the same code many times slower, take a smaller file.
#ifdef NDEBUG
constexpr std::size_t kLargeFileBytes = 100u << 20;
constexpr int kJunkLines = 100000;
#else
constexpr std::size_t kLargeFileBytes = 2u << 20;
constexpr int kJunkLines = 20000;
#endif

TEST_F(ConnectorCommonTest, ALargeFileLoads) {
  // Mostly one long client ID, then many short junk lines.
  std::string text = "scaninterval=4242\r\nclientids=1.1=";
  text.append(kLargeFileBytes, 'x');
  text += "\r\n";
  for (int i = 0; i < kJunkLines; ++i) text += "=\r\rjunk\n";
  ScrambleConfigBytes(text);  // plain ASCII: no code page conversion needed
  exe_dir_.Write("Lumoraconnector.cfg", text);
  text = {};
  bool changed = false;
  ASSERT_TRUE(LoadConfig(changed));
  EXPECT_EQ(ConnectorConfig.scaninterval, 4242);
  ASSERT_EQ(ConnectorConfig.clientids.size(), 1u);
  EXPECT_EQ(ConnectorConfig.clientids[0].size(), kLargeFileBytes + 4);
}

// One thread keeps replacing the file with one of two records while the main
// thread loads it: every load must see one record whole.
TEST_F(ConnectorCommonTest, LoadsDuringSavesAreAlwaysComplete) {
  TConnectorConfig first;
  first.scaninterval = 111;
  first.clientids.assign(200, "1.1=FIRST");
  TConnectorConfig second;
  second.scaninterval = 222;
  second.clientids.assign(3, "2.2=SECOND");
  const std::string first_bytes = ConfigFileBytes(first, 1);
  const std::string second_bytes = ConfigFileBytes(second, 1);
  ReplaceFileContent(ConfigPath(), first_bytes);

  std::atomic<bool> stop{false};
  std::thread writer([&] {
    for (int i = 0; !stop.load(); ++i) ReplaceFileContent(ConfigPath(), i % 2 ? first_bytes : second_bytes);
  });
  int loads = 0;
  for (int i = 0; i < 300; ++i) {
    bool changed = false;
    ASSERT_TRUE(LoadConfig(changed)) << "load " << i;
    ++loads;
    const auto& c = ConnectorConfig;
    if (c.scaninterval == 111) {
      ASSERT_EQ(c.clientids, first.clientids) << "load " << i;
    } else {
      ASSERT_EQ(c.scaninterval, 222) << "load " << i;
      ASSERT_EQ(c.clientids, second.clientids) << "load " << i;
    }
  }
  stop = true;
  writer.join();
  EXPECT_EQ(loads, 300);
}

TEST_F(ConnectorCommonTest, InitLogsVersionsAndDirectoriesAndResetsTheSchedule) {
  test::LogCapture capture(9);
  ConnectorConfig.ScheduleTimes[2][2] = 0.25;
  ConnectorConfig.clientids = {"1.1=A"};
  Init(TProgram::Configurator);
  const std::string dir = exe_dir_.dir();
  const std::string suffix = platform::kExecutableSuffix;
  EXPECT_THAT(capture.Payloads(),
              ElementsAre(Payload(TagInfo, "Init", "LumoraRPro9Service.exe (" + dir + "LumoraRPro9Service" + suffix + "): "),
                          Payload(TagInfo, "Init",
                                  "LumoraRPro9Configurator.exe (" + dir + "LumoraRPro9Configurator" + suffix + "): "),
                          Payload(TagInfo, "Init", "ExeDir: " + dir),
                          Payload(TagInfo, "Init", "LogDir: " + LogDir()),
                          Payload(TagEnter, "Init", "BEGIN"), Payload(TagExit, "Init", "END")));
  EXPECT_EQ(ConnectorConfig.ScheduleTimes, UnsetScheduleTimes());
  EXPECT_TRUE(ConnectorConfig.clientids.empty());
}

TEST_F(ConnectorCommonTest, InitForTheServiceNamesItsOwnExecutable) {
  test::LogCapture capture(0);
  Init(TProgram::Service);
  const auto messages = capture.Messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_THAT(messages[0], ::testing::StartsWith("LumoraRPro9Service.exe (" + platform::ExecutablePath() + "): "));
  EXPECT_THAT(messages[1], ::testing::StartsWith("LumoraRPro9Configurator.exe (" + exe_dir_.dir()));
}

TEST_F(ConnectorCommonTest, ShutdownFreesTheListAndEndsTheLogger) {
  SetLogDir(exe_dir_.dir() + "logs/");
  StartGlobalLog("LumoraRPro9ConfiguratorTest", false);
  ConnectorConfig.clientids = {"1.1=A"};
  Shutdown();
  EXPECT_TRUE(ConnectorConfig.clientids.empty());
  EXPECT_EQ(GlobalLogLevel(), -1);
}

}  // namespace
}  // namespace lumora
