// Where the Oracle client library is loaded from: the lib folder of the
// ORACLE_HOME that the registry's Oracle key records, or nothing (the normal
// library search) when the registry records no home.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "retailpro/uQzOraUtils.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

TEST(OracleClientLibraryDirTest, TakesTheLibFolderOfTheRecordedHome) {
  struct Value {
    std::string key;    // below SOFTWARE, "" for none
    std::string name;
    std::string text;
  };
  struct Case {
    const char* name;
    std::vector<Value> values;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {.name = "home with a trailing separator",
       .values = {{"ORACLE/KEY_OraClient11g_home1", "ORACLE_HOME", "/opt/oracle/client/"}},
       .expected = "/opt/oracle/client/lib"},
      {.name = "the last KEY_ home, as discovery picks it",
       .values = {{"ORACLE/KEY_A", "ORACLE_HOME", "/a"}, {"ORACLE/KEY_B", "ORACLE_HOME", "/b"}},
       .expected = "/b/lib"},
      {.name = "only ORACLE_BASE: the normal search",
       .values = {{"ORACLE/KEY_OraClient11g_home1", "ORACLE_BASE", "/opt/oracle"}},
       .expected = ""},
      {.name = "a blank home counts as none",
       .values = {{"ORACLE/KEY_OraClient11g_home1", "ORACLE_HOME", "  "}},
       .expected = ""},
      {.name = "the 32-bit view",
       .values = {{"WOW6432Node/ORACLE/KEY_X", "ORACLE_HOME", "/x"}},
       .expected = "/x/lib"},
      {.name = "no Oracle key at all", .values = {{"Other", "ORACLE_HOME", "/y"}}, .expected = ""},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    ::setenv("LUMORA_REGISTRY", (dir.path() / "registry").c_str(), 1);
    for (const Value& value : c.values) {
      dir.Write("registry/HKEY_LOCAL_MACHINE/SOFTWARE/" + value.key + "/" + value.name, value.text);
    }
    EXPECT_EQ(OracleClientLibraryDir(), c.expected) << c.name;
  }
  ::unsetenv("LUMORA_REGISTRY");
}

}  // namespace
}  // namespace lumora
