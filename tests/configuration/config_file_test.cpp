#include "configuration/config_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/ansi_code_page.h"
#include "tests/support/fake_clock.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using test::At;
using test::FakeClock;

std::string Scrambled(std::string_view utf8) {
  std::string bytes = platform::ToAnsi(utf8);
  ScrambleConfigBytes(bytes);
  return bytes;
}

double Hms(int hour, int minute) { return At(1899, 12, 30, hour, minute); }

// A record as a running program holds it before a load: every field moved
// off its default so that the table shows what a file replaces and keeps.
TConnectorConfig Running() {
  TConnectorConfig c;
  c.clientids = {"9.9=OLD"};
  c.scanscheduling = 0;
  c.scaninterval = 5000;
  c.sleepbegin = Hms(22, 0);
  c.sleepend = Hms(6, 0);
  c.oracledelay = 7;
  c.lastquery = At(2020, 1, 1);
  c.ScheduleTimes[1][0] = Hms(9, 0);
  c.runimmediate = true;
  c.restartonmissingdata = true;
  c.notifyonstartup = true;
  return c;
}

TEST(ConfigFile, WhatEachContentLoads) {
  FakeClock clock(At(2026, 6, 1), 300);
  using Check = std::function<void(const TConnectorConfig&, const TConfigParseResult&)>;
  struct Case {
    const char* name;
    std::string text;
    Check check;
  };
  const Case cases[] = {
      {.name = "empty content falls back everywhere but the times",
       .text = "\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_TRUE(c.clientids.empty());
             EXPECT_EQ(c.scanscheduling, 1);
             EXPECT_EQ(c.scaninterval, 600000);
             EXPECT_TRUE(r.changed) << "the interval moved from 5000";
             EXPECT_EQ(c.sleepbegin, Hms(22, 0));
             EXPECT_EQ(c.ScheduleTimes[1][0], Hms(9, 0));
             EXPECT_EQ(c.oracledelay, 120000);
             EXPECT_EQ(c.lastquery, 0.0);
             EXPECT_EQ(r.loglevel, 1);
             EXPECT_FALSE(c.runimmediate);
             EXPECT_FALSE(c.restartonmissingdata);
             EXPECT_FALSE(c.notifyonstartup);
           }},
      {.name = "same interval and times: not changed",
       .text = "scaninterval=5000\r\nsleepbegin=10:00 PM\r\nmondaytime1=9:00",
       .check = [](const TConnectorConfig&, const TConfigParseResult& r) { EXPECT_FALSE(r.changed); }},
      {.name = "a moved slot is a change",
       .text = "scaninterval=5000\r\nsaturdaytime6=11:00 PM\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_TRUE(r.changed);
             EXPECT_EQ(c.ScheduleTimes[6][5], Hms(23, 0));
           }},
      {.name = "invalid numbers fall back",
       .text = "scanscheduling=x\r\nscaninterval=10 \r\noracledelay=2147483648\r\nloglevel=+\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_EQ(c.scanscheduling, 1);
             EXPECT_EQ(c.scaninterval, 600000);
             EXPECT_EQ(c.oracledelay, 120000);
             EXPECT_EQ(r.loglevel, 1);
           }},
      {.name = "numbers at the 32-bit limits",
       .text = "scanscheduling= 0 \r\nscaninterval=+2147483647\r\noracledelay=-2147483648\r\n"
               "loglevel=-1\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_EQ(c.scanscheduling, 0) << "scanscheduling alone is trimmed";
             EXPECT_EQ(c.scaninterval, 2147483647);
             EXPECT_EQ(c.oracledelay, -2147483647 - 1);
             EXPECT_EQ(r.loglevel, -1);
           }},
      {.name = "keys ignore case, blanks are part of the key",
       .text = "ScanInterval=7000\r\nscaninterval =5\r\nSLEEPEND=1:15 am\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_EQ(c.scaninterval, 7000);
             EXPECT_EQ(c.sleepend, Hms(1, 15));
           }},
      {.name = "scaninterval =5 alone sets nothing",
       .text = "scaninterval =5\r\n",
       .check = [](const TConnectorConfig& c, const TConfigParseResult&) { EXPECT_EQ(c.scaninterval, 600000); }},
      {.name = "the first of duplicate keys wins",
       .text = "scaninterval=1000\nscaninterval=2000\nSCANINTERVAL=3000\n",
       .check = [](const TConnectorConfig& c, const TConfigParseResult&) { EXPECT_EQ(c.scaninterval, 1000); }},
      {.name = "an empty first line still wins",
       .text = "oracledelay=\r\noracledelay=5\r\n",
       .check = [](const TConnectorConfig& c, const TConfigParseResult&) { EXPECT_EQ(c.oracledelay, 120000); }},
      {.name = "value keeps further equal signs and blanks",
       .text = "clientids= 1.5=A=B |2.7=Y\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_EQ(c.clientids, (std::vector<std::string>{"1.5=A=B", "2.7=Y"}));
           }},
      {.name = "unquoted client ID with a blank splits",
       .text = "clientids=1.5=A B|2.7=Y\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_EQ(c.clientids, (std::vector<std::string>{"1.5=A", "B", "2.7=Y"}));
           }},
      {.name = "quoted client ID with a blank stays whole",
       .text = "clientids=\"1.5=A B\"|2.7=Y\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_EQ(c.clientids, (std::vector<std::string>{"1.5=A B", "2.7=Y"}));
           }},
      {.name = "client IDs without any equal sign give an empty list",
       .text = "clientids=1.5|2.7\r\n",
       .check = [](const TConnectorConfig& c, const TConfigParseResult&) { EXPECT_TRUE(c.clientids.empty()); }},
      {.name = "runimmediate True is not 1",
       .text = "runimmediate=True\r\nrestartonmissingdata=TRUE\r\nnotifyonstartup=y\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_FALSE(c.runimmediate);
             EXPECT_TRUE(c.restartonmissingdata);
             EXPECT_TRUE(c.notifyonstartup);
           }},
      {.name = "runimmediate 1",
       .text = "runimmediate=1\r\nrestartonmissingdata=-2\r\nnotifyonstartup=\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_TRUE(c.runimmediate);
             EXPECT_FALSE(c.restartonmissingdata);
             EXPECT_FALSE(c.notifyonstartup);
           }},
      {.name = "unparsable times keep the current value",
       .text = "scaninterval=5000\r\nsleepbegin=soon\r\nsleepend=\r\nmondaytime1=25:00\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_EQ(c.sleepbegin, Hms(22, 0));
             EXPECT_EQ(c.sleepend, Hms(6, 0));
             EXPECT_EQ(c.ScheduleTimes[1][0], Hms(9, 0));
             EXPECT_FALSE(r.changed);
           }},
      {.name = "lastquery is read as UTC",
       .text = "lastquery=2019-04-30 17:00:00.000\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult&) {
             EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", c.lastquery), "2019-04-30 12:00");
           }},
      {.name = "unparsable lastquery is never",
       .text = "lastquery=yesterday\r\n",
       .check = [](const TConnectorConfig& c, const TConfigParseResult&) { EXPECT_EQ(c.lastquery, 0.0); }},
      {.name = "lines without an equal sign and unknown keys are ignored",
       .text = "scaninterval\r\nfoo=1\r\n=5\r\nscaninterval=42\r\n",
       .check = [](const TConnectorConfig& c, const TConfigParseResult&) { EXPECT_EQ(c.scaninterval, 42); }},
      {.name = "CR, LF and CR LF all end lines",
       .text = "scaninterval=1\rsleepend=2:00\nsleepbegin=3:00\r\n\r\noracledelay=4",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_EQ(c.scaninterval, 1);
             EXPECT_EQ(c.sleepend, Hms(2, 0));
             EXPECT_EQ(c.sleepbegin, Hms(3, 0));
             EXPECT_EQ(c.oracledelay, 4);
             EXPECT_EQ(r.loaded_text,
                       "scaninterval=1\r\nsleepend=2:00\r\nsleepbegin=3:00\r\n\r\noracledelay=4\r\n");
           }},
      {.name = "Windows-1252 text comes back as UTF-8",
       .text = "clientids=1.5=Caf\xC3\xA9\xE2\x82\xAC\r\n",
       .check =
           [](const TConnectorConfig& c, const TConfigParseResult& r) {
             EXPECT_EQ(c.clientids, (std::vector<std::string>{"1.5=Caf\xC3\xA9\xE2\x82\xAC"}));
             EXPECT_EQ(r.loaded_text, "clientids=1.5=Caf\xC3\xA9\xE2\x82\xAC\r\n");
           }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConnectorConfig config = Running();
    const TConfigParseResult result = ParseConfigFile(Scrambled(c.text), config);
    c.check(config, result);
  }
}

TEST(ConfigFile, LastQueryUnderTwoOffsetsDenotesTheSameInstant) {
  FakeClock clock(At(2026, 6, 1), 300);
  TConnectorConfig config;
  config.lastquery = At(2019, 4, 30, 12, 0);
  const std::string bytes = ConfigFileBytes(config, 1);

  clock.SetUtcOffset(240);
  TConnectorConfig loaded;
  ParseConfigFile(bytes, loaded);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", loaded.lastquery), "2019-04-30 13:00:00.000");
}

TEST(ConfigFile, KnownRecordMatchesTheFixtureByteForByte) {
  FakeClock clock(At(2026, 6, 1), 300);
  TConnectorConfig config;
  config.clientids = {"1.5=ABC123", "1.7=Caf\xC3\xA9 X"};
  config.scanscheduling = 0;
  config.scaninterval = 900000;
  config.sleepbegin = Hms(22, 0);
  config.sleepend = Hms(5, 30);
  config.oracledelay = 60000;
  config.lastquery = At(2019, 4, 30, 12, 0, 0, 250);
  config.ScheduleTimes[1][0] = Hms(9, 5);
  config.ScheduleTimes[6][5] = Hms(21, 5);
  config.runimmediate = true;
  config.restartonmissingdata = true;

  const std::string expected = test::ReadFileBytes(LUMORA_CONFIG_FIXTURES "/known_record.cfg");
  ASSERT_EQ(expected.size(), 292u);
  EXPECT_EQ(ConfigFileBytes(config, 5), expected);

  // And the fixture loads back into the same record.
  TConnectorConfig loaded;
  const TConfigParseResult result = ParseConfigFile(expected, loaded);
  EXPECT_EQ(loaded.clientids, config.clientids);
  EXPECT_EQ(loaded.scaninterval, 900000);
  EXPECT_EQ(loaded.ScheduleTimes, config.ScheduleTimes);
  EXPECT_NEAR(loaded.lastquery, config.lastquery, 0.5 / kMSecsPerDay);
  EXPECT_EQ(result.loglevel, 5);
  EXPECT_TRUE(loaded.runimmediate);
  EXPECT_TRUE(loaded.restartonmissingdata);
  EXPECT_FALSE(loaded.notifyonstartup);
}

TEST(ConfigFile, StartValuesWriteEveryKeyButTheUnsetSlotsAndEmptyList) {
  FakeClock clock(At(2026, 6, 1), 0);
  TConnectorConfig config;
  EXPECT_EQ(ConfigFileText(config, -1),
            "scanscheduling=1\r\nscaninterval=600000\r\nsleepbegin=12:00 AM\r\nsleepend=12:00 AM\r\n"
            "oracledelay=120000\r\nlastquery=1899-12-30 00:00:00.000\r\nloglevel=-1\r\n"
            "runimmediate=0\r\nrestartonmissingdata=False\r\nnotifyonstartup=False\r\n");
}

TEST(ConfigFile, ALineBreakInAClientIDCannotInjectKeys) {
  FakeClock clock(At(2026, 6, 1), 0);
  TConnectorConfig config;
  config.clientids = {"1.5=AB\r\nscaninterval=5", "2.7=C\nD"};
  config.scaninterval = 900000;
  TConnectorConfig loaded;
  ParseConfigFile(ConfigFileBytes(config, 1), loaded);
  EXPECT_EQ(loaded.scaninterval, 900000);
  EXPECT_EQ(loaded.clientids, (std::vector<std::string>{"1.5=ABscaninterval=5", "2.7=CD"}));
}

TEST(ConfigFile, HostileContentLoadsWithoutHarm) {
  FakeClock clock(At(2026, 6, 1), 0);
  const std::string cases[] = {
      std::string("\0\0\0=\0", 5),
      Scrambled(std::string("scaninterval=1\0" "2\r\nclientids=\"\0|", 30)),
      Scrambled("clientids=\"unterminated=|||"),
      Scrambled("scaninterval=99999999999999999999999999\r\nsundaytime1=99999999999:99999999\r\n"),
      Scrambled("lastquery=99999999-99-99 99:99\r\n"),
      std::string(4096, '\xD7' ^ '='),
      std::string(4096, '\xD7' ^ '\r'),
  };
  for (const std::string& bytes : cases) {
    TConnectorConfig config;
    ParseConfigFile(bytes, config);
    EXPECT_EQ(config.scanscheduling, 1);
  }
}

}  // namespace
}  // namespace lumora
