#include "platform/registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <stdexcept>
#include <system_error>

#include "tests/support/temp_dir.h"

namespace lumora::platform {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("LUMORA_REGISTRY", root_.path().c_str(), 1); }
  void TearDown() override { ::unsetenv("LUMORA_REGISTRY"); }
  test::TempDir root_;
};

TEST_F(RegistryTest, MissingKeysCannotBeOpened) {
  EXPECT_FALSE(RegistryKey::Open("SOFTWARE\\ORACLE"));
  root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/x", "");
  EXPECT_TRUE(RegistryKey::Open("SOFTWARE"));
  EXPECT_FALSE(RegistryKey::Open("SOFTWARE\\ORACLE"));
}

TEST_F(RegistryTest, CreatesKeysAndRoundTripsValues) {
  auto key = RegistryKey::Open("SOFTWARE\\OrvikSoftware\\Lumora\\LumoraRPro9Connector", true);
  ASSERT_TRUE(key);
  key->WriteString("ServiceDirectory", "/opt/lumora/");
  EXPECT_EQ(root_.Read("HKEY_LOCAL_MACHINE/SOFTWARE/OrvikSoftware/Lumora/LumoraRPro9Connector/"
                       "ServiceDirectory"),
            "/opt/lumora/");
  auto again = RegistryKey::Open("software/orviksoftware/lumora/lumorarpro9connector");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->ReadString("servicedirectory"), "/opt/lumora/");
  EXPECT_FALSE(again->ReadString("Missing"));
}

TEST_F(RegistryTest, NamesMatchAndEnumerateWithoutRegardToCase) {
  root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_b/ORACLE_BASE", "/b");
  root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_A/ORACLE_HOME", "/a");
  root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/Other/x", "");
  root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEYz/x", "");  // "_" sorts after the letters
  auto software = RegistryKey::Open("Software");
  ASSERT_TRUE(software);
  EXPECT_TRUE(software->HasSubKey("oracle"));
  auto oracle = software->OpenSubKey("Oracle");
  ASSERT_TRUE(oracle);
  EXPECT_EQ(oracle->SubKeyNames(), (std::vector<std::string>{"KEYz", "KEY_A", "KEY_b", "Other"}));
  auto b = oracle->OpenSubKey("key_B");
  ASSERT_TRUE(b);
  EXPECT_TRUE(b->HasValue("oracle_base"));
  EXPECT_EQ(b->ReadString("Oracle_Base"), "/b");
}

TEST_F(RegistryTest, AValueWrittenByHandLosesOneTrailingLineBreak) {
  const struct {
    const char* file;
    const char* value;
  } rows[] = {
      {"/opt/oracle\n", "/opt/oracle"},
      {"/opt/oracle\r\n", "/opt/oracle"},
      {"/opt/oracle\n\n", "/opt/oracle\n"},
      {"/opt/oracle", "/opt/oracle"},
      {"\n", ""},
  };
  for (const auto& row : rows) {
    root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/ORACLE/KEY_X/ORACLE_BASE", row.file);
    EXPECT_EQ(RegistryKey::Open("SOFTWARE\\ORACLE\\KEY_X")->ReadString("ORACLE_BASE"), row.value) << row.file;
  }
}

TEST_F(RegistryTest, RejectsNamesThatEscapeTheKey) {
  root_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/v", "1");
  auto key = RegistryKey::Open("SOFTWARE");
  ASSERT_TRUE(key);
  EXPECT_THROW(key->WriteString("../escape", "x"), std::invalid_argument);
  EXPECT_FALSE(key->OpenSubKey(".."));
  EXPECT_THROW(RegistryKey::Open("SOFTWARE\\..\\..", true), std::invalid_argument);
}

// A missing key is an answer; a hive that cannot be made is a failure.
TEST_F(RegistryTest, AHiveThatCannotBeCreatedThrows) {
  root_.Write("HKEY_LOCAL_MACHINE", "a file where the hive folder belongs");
  EXPECT_FALSE(RegistryKey::Open("SOFTWARE"));
  EXPECT_THROW(RegistryKey::Open("SOFTWARE", true), std::system_error);
}

}  // namespace
}  // namespace lumora::platform
