#include "retailpro/uQzOraUtils.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <vector>

#include "platform/platform_config.h"
#include "tests/support/temp_dir.h"

namespace lumora {
namespace {

using test::TempDir;

constexpr const char* kRpro =
    "(DESCRIPTION = (ADDRESS = (PROTOCOL = TCP)(HOST = rpro)(PORT = 1521)) (CONNECT_DATA = "
    "(SID = RPROODS)))";

TEST(TNSNamesConnectStringTest, FindsTheAliasAcrossTheFormsTnsnamesAllows) {
  struct Case {
    const char* name;
    const char* alias;
    std::string file;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {.name = "lower-case alias with blanks around it",
       .alias = "  rproods \t",
       .file = std::string("RPROODS = ") + kRpro + "\n",
       .expected = kRpro},
      {.name = "third entry after comments and two others, line breaks dropped, blanks kept",
       .alias = "RPROODS",
       .file = "# tnsnames.ora\r\n# written by the installer\r\nORCL =\r\n  (DESCRIPTION =\r\n"
               "    (ADDRESS = (PROTOCOL = TCP)(HOST = a)(PORT = 1521))\r\n  )\r\n\r\n"
               "# another\r\nTEST.WORLD = (DESCRIPTION = (ADDRESS = (HOST = b)))\r\n"
               "RPROODS =\r\n  (DESCRIPTION =\r\n    (ADDRESS = (PROTOCOL = TCP)(HOST = c))\r\n"
               "  )\r\n",
       .expected = "(DESCRIPTION =    (ADDRESS = (PROTOCOL = TCP)(HOST = c))  )"},
      {.name = "balancing bracket is the last character of the file",
       .alias = "RPROODS",
       .file = "RPROODS =\n(DESCRIPTION=(ADDRESS=(HOST=x)))",
       .expected = "(DESCRIPTION=(ADDRESS=(HOST=x)))"},
      {.name = "alias, = and descriptor on one line without blanks",
       .alias = "RPROODS",
       .file = "RPROODS=(DESCRIPTION=(ADDRESS=(HOST=x)))\n",
       .expected = "(DESCRIPTION=(ADDRESS=(HOST=x)))"},
      {.name = "LF-only and CR-only line ends",
       .alias = "RPROODS",
       .file = "X = (A)\rRPROODS =\n(DESCRIPTION =\r(ADDRESS = (HOST = y)))\n",
       .expected = "(DESCRIPTION =(ADDRESS = (HOST = y)))"},
      {.name = "alias absent gives empty text",
       .alias = "RPROODS",
       .file = "ORCL = (DESCRIPTION = (ADDRESS = (HOST = a)))\n",
       .expected = ""},
      {.name = "stray word after the last entry ends the search",
       .alias = "RPROODS",
       .file = "ORCL = (DESCRIPTION = (ADDRESS = (HOST = a)))\nstray\n",
       .expected = ""},
      {.name = "stray text before an entry spoils that entry's name",
       .alias = "RPROODS",
       .file = "ORCL = (A)\nstray RPROODS = (B)\nRPROODS = (C)\n",
       .expected = "(C)"},
      {.name = "entry without a descriptor is passed over",
       .alias = "RPROODS",
       .file = "ORCL = \nRPROODS = (B)\n",
       .expected = ""},
      {.name = "name compared after trimming and upper-casing",
       .alias = "RPROODS",
       .file = "  rproods   =   (B (C))",
       .expected = "(B (C))"},
      {.name = "unbalanced descriptor of the alias runs to the end",
       .alias = "RPROODS",
       .file = "RPROODS = (DESCRIPTION = (ADDRESS = (HOST = a)",
       .expected = "(DESCRIPTION = (ADDRESS = (HOST = a)"},
      {.name = "comment as the whole file",
       .alias = "RPROODS",
       .file = "# nothing here",
       .expected = ""},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const auto path = dir.Write("tnsnames.ora", c.file);
    EXPECT_EQ(TNSNamesConnectString(c.alias, path.string(), "", ""), c.expected) << c.name;
  }
}

TEST(TNSNamesConnectStringTest, RaisesForABlankAliasAndAMissingConfiguredFile) {
  TempDir dir;
  try {
    TNSNamesConnectString(" \t", "", "", "");
    FAIL() << "blank alias accepted";
  } catch (const EOracleClientError& error) {
    EXPECT_STREQ(error.what(), "Invalid alias passed to TNSNamesConnectString");
  }
  const std::string missing = (dir.path() / "none.ora").string();
  try {
    TNSNamesConnectString("RPROODS", missing, "", "");
    FAIL() << "missing file accepted";
  } catch (const EOracleClientError& error) {
    EXPECT_EQ(std::string(error.what()),
              "\"" + missing + "\" not found in call to TNSNamesConnectString using configured path");
  }
}

class OracleRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("LUMORA_REGISTRY", dir_.path().c_str(), 1); }
  void TearDown() override { ::unsetenv("LUMORA_REGISTRY"); }
  void Value(const std::string& key_path, const std::string& value) {
    dir_.Write("HKEY_LOCAL_MACHINE/SOFTWARE/" + key_path, value);
  }
  std::string ErrorOf() {
    try {
      GetOracleBase();
    } catch (const EOracleClientError& error) {
      return error.what();
    }
    return "no error";
  }
  TempDir dir_;
};

TEST_F(OracleRegistryTest, TakesTheLastKeyPrefixedHomeInListingOrder) {
  Value("ORACLE/KEY_A/ORACLE_BASE", "/opt/a");
  Value("ORACLE/KEY_B/ORACLE_BASE", "/opt/b");
  Value("ORACLE/OTHER/ORACLE_BASE", "/opt/other");
  Value("ORACLE/key_c/ORACLE_BASE", "/opt/c");  // prefix compared exactly
  const auto info = GetOracleBase();
  EXPECT_EQ(info.base, "/opt/b");
  EXPECT_EQ(info.version, "B");
  const char sep = platform::kPathSeparator;
  EXPECT_EQ(TNSNamesPath("", "ignored"),
            std::string("/opt/b") + sep + "B" + sep + "NETWORK" + sep + "ADMIN" + sep +
                "tnsnames.ora");
  EXPECT_EQ(TNSNamesPath("/base", "V"), std::string("/base") + sep + "V" + sep + "NETWORK" + sep +
                                            "ADMIN" + sep + "tnsnames.ora");
}

TEST_F(OracleRegistryTest, FallsBackToWow6432NodeAndPrefersOracleBase) {
  Value("WOW6432Node/ORACLE/KEY_OraClient10g/ORACLE_BASE", "/u01/app");
  Value("WOW6432Node/ORACLE/KEY_OraClient10g/ORACLE_HOME", "/elsewhere/OraClient10g");
  const auto info = GetOracleBase();
  EXPECT_EQ(info.base, "/u01/app");
  EXPECT_EQ(info.version, "OraClient10g");
}

TEST_F(OracleRegistryTest, DerivesTheBaseFromAHomeNamedAfterItsVersion) {
  struct Case {
    const char* home;
    const char* base;
  };
  for (const Case c : {Case{"/opt/oracle/OraClient11g_home1", "/opt/oracle"},
                       Case{"/opt/oracle/OraClient11g_home1/", "/opt/oracle"},
                       Case{"C:\\oracle\\OraClient11g_home1", "C:\\oracle"}}) {
    Value("ORACLE/KEY_OraClient11g_home1/ORACLE_HOME", c.home);
    EXPECT_EQ(GetOracleBase().base, c.base) << c.home;
  }
  // The derived base leads to the home's own tnsnames.ora.
  Value("ORACLE/KEY_OraClient11g_home1/ORACLE_HOME", (dir_.path() / "OraClient11g_home1").string());
  dir_.Write("OraClient11g_home1/NETWORK/ADMIN/tnsnames.ora", "RPROODS = (X)");
  EXPECT_EQ(TNSNamesConnectString("RPROODS", "", "", ""), "(X)");
}

TEST_F(OracleRegistryTest, ReadsTheFilesAnOperatorWritesByHand) {
  const std::string base = dir_.path().string();
  const struct {
    const char* name;
    std::string base_file;  // ORACLE_BASE as written
    std::string tnsnames;
  } rows[] = {
      {"echo into the value file", base + "\n", "RPROODS = (X)\n"},
      {"value file saved on Windows", base + "\r\n", "RPROODS = (X)\r\n"},
      {"tnsnames.ora with a byte-order mark", base, "\xEF\xBB\xBFRPROODS = (X)\r\n"},
      {"byte-order mark before a comment", base + "\n", "\xEF\xBB\xBF# clients\r\nRPROODS =\r\n  (X)"},
  };
  for (const auto& row : rows) {
    Value("ORACLE/KEY_H/ORACLE_BASE", row.base_file);
    dir_.Write("H/NETWORK/ADMIN/tnsnames.ora", row.tnsnames);
    EXPECT_EQ(GetOracleBase().base, base) << row.name;
    EXPECT_EQ(TNSNamesConnectString("RPROODS", "", "", ""), "(X)") << row.name;
  }
  // A UTF-8 file with the mark keeps its accents as written.
  dir_.Write("H/NETWORK/ADMIN/tnsnames.ora", "\xEF\xBB\xBFRPROODS = (HOST = caf\xC3\xA9)");
  EXPECT_EQ(TNSNamesConnectString("RPROODS", "", "", ""), "(HOST = caf\xC3\xA9)");
}

TEST_F(OracleRegistryTest, TheLastHomeIsTheLastInTheOrderWindowsListsKeys) {
  // Windows lists KEY_a before KEY_B; byte order would put KEY_B first.
  Value("ORACLE/KEY_a/ORACLE_BASE", "/opt/a");
  Value("ORACLE/KEY_B/ORACLE_BASE", "/opt/b");
  EXPECT_EQ(GetOracleBase().version, "B");
}

TEST_F(OracleRegistryTest, ReportsEachWayTheClientCannotBeFound) {
  EXPECT_EQ(ErrorOf(), "Registry key \"ORACLE\" could not be found in GetOracleBase");
  Value("ORACLE/NOT_A_HOME/ORACLE_BASE", "/x");
  EXPECT_EQ(ErrorOf(), "Oracle key could not be determined in call to GetOracleBase");
  Value("ORACLE/KEY_X/SOMETHING", "/x");
  EXPECT_EQ(ErrorOf(),
            "Neither ORACLE_HOME nor ORACLE_BASE were found in the registry in GetOracleBase");
}

TEST_F(OracleRegistryTest, MissingTnsnamesNamesThePathAndTheCallersValues) {
  Value("ORACLE/KEY_X/ORACLE_BASE", "/nowhere");
  const std::string path = TNSNamesPath("", "");
  try {
    TNSNamesConnectString("RPROODS", "", "", "");
    FAIL() << "missing tnsnames.ora accepted";
  } catch (const EOracleClientError& error) {
    EXPECT_EQ(std::string(error.what()),
              "\"" + path +
                  "\" not found in call to TNSNamesConnectString using OracleBase=\"\" and "
                  "Version=\"\"");
  }
}

}  // namespace
}  // namespace lumora
