#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "logging/log_banner.h"

namespace lumora {
namespace {

using platform::OsVersionFacts;

// Facts fixed by the test; Language can be made to fail.
class FixedFacts final : public platform::SystemFacts {
 public:
  bool fail_language = false;
  std::optional<std::vector<std::string>> macs = std::vector<std::string>{"AA", "BB"};

  std::string LanguageName() const override {
    if (fail_language) throw std::runtime_error("no language");
    return "English (United States)";
  }
  std::string LocaleLanguageName() const override { return "English"; }
  std::string ComputerName() const override { return "STORE01"; }
  std::string DomainName() const override { return "SHOP"; }
  platform::ProcessorFacts Processor() const override {
    return {.vendor_code = 1, .type = "x86_64", .family = "6", .model = "85", .stepping = "7",
            .vendor = "GenuineIntel", .manufacturer = "Intel", .name = "Xeon"};
  }
  platform::BiosFacts Bios() const override {
    return {.name = "SeaBIOS", .copyright = "(c)", .extended = "1.16", .date = platform::CivilTime{2014, 4, 1}};
  }
  platform::InstallationFacts Installation() const override {
    return {.product = "Debian", .service_pack = "", .owner = "Owner", .organization = "Org"};
  }
  std::optional<std::vector<std::string>> MacAddresses() const override { return macs; }
  std::vector<platform::DriveFacts> Drives() const override {
    return {{.name = "/", .type = "Fixed", .label = "root", .serial = 0xBEEF, .read_write = "R/W", .size = 10, .free = 4},
            {.name = "/mnt/share", .type = "Network", .label = "", .serial = 1, .read_write = "R/W", .size = 10, .free = 4}};
  }
  OsVersionFacts OsVersion() const override {
    return {.recognised = true, .name = "Linux", .major = 6, .minor = 1, .build = 0, .detail = "Debian GNU/Linux 12 (bookworm)"};
  }
};

TEST(BannerTest, WithoutTheMachineBlockThereAreThirteenLines) {
  const FixedFacts facts;
  const std::string frame(86, '=');
  EXPECT_THAT(BannerMessages(1, false, facts),
              ::testing::ElementsAre("", frame, "START OF LOG", frame, "", "LogLevel = 1", "",
                                     "Language : English (United States)", "Locale   : English",
                                     "Computer : STORE01", "Domain   : SHOP", "",
                                     "Linux 6.1 (Build 0: Debian GNU/Linux 12 (bookworm))"));
}

TEST(BannerTest, AFailingFactAddsTheErrorLineAndKeepsTheRest) {
  FixedFacts facts;
  facts.fail_language = true;
  const auto messages = BannerMessages(1, false, facts);
  ASSERT_EQ(messages.size(), 10u);
  EXPECT_EQ(messages[7], "*** full system information could not be obtained ***");
  EXPECT_EQ(messages[8], "");
}

TEST(BannerTest, MachineBlockListsProcessorBiosSystemAdaptersAndDrives) {
  FixedFacts facts;
  const auto messages = BannerMessages(9, true, facts);
  // 11 before the block, 8 CPU, 4 BIOS, 4 system, 1 + 2 adapters, 2 x 8
  // drives, then the blank and the system line.
  ASSERT_EQ(messages.size(), 11u + 8 + 4 + 4 + 3 + 16 + 2);
  const std::vector<std::string> block(messages.begin() + 11, messages.end() - 2);
  EXPECT_EQ(block[0], "CPU      : 1");
  EXPECT_EQ(block[7], "     Name         : Xeon");
  EXPECT_EQ(block[11], "     Date         : 04/01/2014 00:00:00");
  EXPECT_EQ(block[13], "     Service pack : ");
  EXPECT_EQ(block[16], "MAC addresses:");
  EXPECT_EQ(block[17], "     AA");
  EXPECT_EQ(block[19], "/    :");
  EXPECT_EQ(block[21], "     Type         :Fixed");
  EXPECT_EQ(block[23], "     SerialNo     :0000BEEF");
  EXPECT_EQ(block[25], "     DriveSize    :10");
  EXPECT_EQ(block[33], "     DriveSize    :0") << "only fixed drives show their size";

  facts.macs.reset();
  EXPECT_EQ(BannerMessages(9, true, facts).size(), messages.size() - 2) << "unreadable adapters are skipped";
}

TEST(BannerTest, OperatingSystemTextForms) {
  struct Row {
    OsVersionFacts os;
    const char* text;
  };
  const Row rows[] = {
      {.os = {.recognised = true, .name = "Linux", .major = 6, .minor = 1, .build = 0, .detail = "Debian"},
       .text = "Linux 6.1 (Build 0: Debian)"},
      {.os = {.recognised = true, .name = "Linux", .major = 5, .minor = 10, .build = 3, .detail = ""},
       .text = "Linux 5.10 (Build 3)"},
      {.os = {.recognised = false, .name = "Linux?", .major = 0, .minor = 0, .build = 9, .detail = "x"},
       .text = "Linux? 0.0"},
  };
  for (const Row& row : rows) EXPECT_EQ(OperatingSystemText(row.os), row.text);
}

TEST(BannerTest, TheMachinesOwnFactsNeverRaise) {
  const auto& facts = platform::LocalSystemFacts();
  EXPECT_EQ(BannerMessages(1, false, facts).size(), 13u);
  EXPECT_GE(BannerMessages(1, true, facts).size(), 13u + 17u);
}

}  // namespace
}  // namespace lumora
