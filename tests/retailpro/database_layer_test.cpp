#include <gtest/gtest.h>

#include <vector>

#include "retailpro/connection_string.h"
#include "retailpro/sqlite/oracle_functions.h"
#include "retailpro/sqlite/sqlite_engine.h"
#include "retailpro/verrin_db.h"
#include "tests/retailpro/rpro_fixture.h"

namespace lumora {
namespace {

using test::ExecSql;

TEST(ConnectionStringTest, SplitsTheSessionsStringIntoItsParts) {
  const auto settings = ParseConnectionString(
      "Provider=OraOLEDB.Oracle;Data Source=(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=/a;b.db)))"
      ";;User Id=custom;Password=q4nw2h;");
  EXPECT_EQ(settings.provider, "OraOLEDB.Oracle");
  EXPECT_EQ(settings.data_source, "(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=/a;b.db)))");
  EXPECT_EQ(settings.user_id, "custom");
  EXPECT_EQ(settings.password, "q4nw2h");
}

TEST(ConnectionStringTest, ReadsTheAddressOfDescriptorsAsTnsnamesWritesThem) {
  struct Case {
    const char* descriptor;
    bool parses;
    const char* protocol;
    const char* file;
  };
  const std::vector<Case> cases = {
      {"(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=/d/rpro.db)))", true, "SQLITE", "/d/rpro.db"},
      {"( description =  ( address = ( protocol = sqlite ) ( file =  /d/my rpro.db ) ) )", true,
       "sqlite", "/d/my rpro.db"},
      {"(DESCRIPTION=(ADDRESS_LIST=(ADDRESS=(PROTOCOL=TCP)(HOST=h)(PORT=1521)))"
       "(CONNECT_DATA=(SID=RPRO)))",
       true, "TCP", ""},
      {"(DESCRIPTION=(CONNECT_DATA=(SID=RPRO)))", false, "", ""},
      {"(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=/x)", false, "", ""},
      {"", false, "", ""},
      {"garbage", false, "", ""},
  };
  for (const auto& c : cases) {
    const auto address = ParseDescriptorAddress(c.descriptor);
    ASSERT_EQ(address.has_value(), c.parses) << c.descriptor;
    if (!address) continue;
    EXPECT_EQ(address->protocol, c.protocol) << c.descriptor;
    EXPECT_EQ(address->file, c.file) << c.descriptor;
  }
}

std::string ConnectError(const std::string& connection_string) {
  TVerrinConnection connection;
  connection.SetConnectionString(connection_string);
  try {
    connection.Open();
  } catch (const EDatabaseError& error) {
    EXPECT_FALSE(connection.Connected());
    return error.what();
  }
  return "connected";
}

// Without an Oracle client on the machine, a TCP descriptor goes to the Oracle
// engine, which says that the client library could not be loaded and where it
// was looked for; with one, the client itself refuses the unknown host.
bool IsOracleClientError(const std::string& text) {
  return text.find("DPI-") != std::string::npos || text.find("ORA-") != std::string::npos;
}

TEST(VerrinConnectionTest, RefusesWhatNoEngineServesClearly) {
  const std::string tcp = ConnectError(
      "Provider=OraOLEDB.Oracle;Data Source=(DESCRIPTION=(ADDRESS=(PROTOCOL=TCP)(HOST=h)));");
  EXPECT_TRUE(IsOracleClientError(tcp)) << tcp;
  const std::string empty = ConnectError("Provider=OraOLEDB.Oracle;Data Source=;;User Id=custom;");
  EXPECT_NE(empty.find("names no data source"), std::string::npos) << empty;
  EXPECT_NE(ConnectError("Provider=MSDAORA;Data Source=(A=(B=C));").find("MSDAORA"),
            std::string::npos);
  test::TempDir dir;
  const std::string missing = ConnectError(
      "Provider=OraOLEDB.Oracle;Data Source=(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=" +
      (dir.path() / "none.db").string() + ")));");
  EXPECT_NE(missing.find("none.db"), std::string::npos) << missing;
  dir.Write("junk.db", "this is not a database file, not at all, not even close....");
  const std::string junk = ConnectError(
      "Provider=OraOLEDB.Oracle;Data Source=(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=" +
      (dir.path() / "junk.db").string() + ")));");
  EXPECT_NE(junk.find("junk.db"), std::string::npos) << junk;
}

// A connection to a small database with the Retail Pro schema.
class EmbeddedEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = dir_.path() / "rpro.db";
    CreateRetailProDatabase(db_.string());
    connection_.SetConnectionString(
        SessionConnectionString("(DESCRIPTION=(ADDRESS=(PROTOCOL=SQLITE)(FILE=" + db_.string() +
                                ")))"));
  }
  // The single value of a one-row select.
  DbValue Scalar(const std::string& sql) {
    if (!connection_.Connected()) connection_.Open();
    TVerrinDataset query(connection_);
    query.SetSQL(sql);
    query.Open();
    EXPECT_FALSE(query.Eof()) << sql;
    return query.Field(0);
  }
  std::string Text(const std::string& sql) {
    const DbValue value = Scalar(sql);
    return value.IsNull() ? "<null>" : value.text();
  }

  test::TempDir dir_;
  test::FakeClock clock_{test::At(2026, 3, 10, 12, 34, 56)};
  std::filesystem::path db_;
  TVerrinConnection connection_;
};

TEST_F(EmbeddedEngineTest, SuppliesOraclesFunctionsUnderTheirOwnNames) {
  struct Case {
    const char* sql;
    const char* text;
  };
  const std::vector<Case> cases = {
      {"select Nvl(null, 'b')", "b"},
      {"select nvl('a', 'b')", "a"},
      {"select to_char(1000000000042)", "1000000000042"},
      {"select TO_CHAR(-2.50)", "-2.5"},
      {"select to_char(0.25)", ".25"},
      {"select to_char(3.0)", "3"},
      {"select to_char(null) is null", nullptr},
      {"select trunc('2026-03-09 17:45:00')", "2026-03-09 00:00:00"},
      {"select sysdate", "2026-03-10 12:34:56"},
      {"select SysDate from version where 1=0 union all select trunc(sysdate)",
       "2026-03-10 00:00:00"},
      {"select 'sysdate'", "sysdate"},
      {"select \"sysdate\" from (select 1 as \"sysdate\") -- sysdate\n", nullptr},
  };
  for (const auto& c : cases) {
    if (c.text == nullptr) continue;
    EXPECT_EQ(Text(c.sql), c.text) << c.sql;
  }
  EXPECT_EQ(Scalar("select BitAnd(1, 3)").integer(), 1);
  EXPECT_EQ(Scalar("select bitand(1, 2)").integer(), 0);
  EXPECT_TRUE(Scalar("select bitand(1, null)").IsNull());
  EXPECT_EQ(Scalar("select trunc(-2.7)").number(), -2.0);
  EXPECT_EQ(Scalar("select \"sysdate\" from (select 7 as \"sysdate\") -- sysdate\n").integer(), 7);
}

TEST(RewriteOracleWordsTest, TouchesOnlySysdateAndOrderDirections) {
  struct Case {
    const char* in;
    const char* out;
  };
  const std::vector<Case> cases = {
      {"nvl(cancel_date, sysdate) >= trunc(sysdate)",
       "nvl(cancel_date, sysdate()) >= trunc(sysdate())"},
      {"select SYSDATE from dual", "select SYSDATE() from dual"},
      {"select sysdate() , sysdate ()", "select sysdate() , sysdate ()"},
      {"select t.sysdate, 'sysdate', \"sysdate\", sysdate_x", "select t.sysdate, 'sysdate', \"sysdate\", sysdate_x"},
      {"/* sysdate */ x -- sysdate", "/* sysdate */ x -- sysdate"},
      {"order by a asc, b desc, c", "order by a asc nulls last, b desc nulls first, c"},
      {"order by a ASC NULLS FIRST", "order by a ASC NULLS FIRST"},
      {"select 'it''s asc'", "select 'it''s asc'"},
  };
  for (const auto& c : cases) EXPECT_EQ(RewriteOracleWords(c.in), c.out) << c.in;
}

TEST_F(EmbeddedEngineTest, CatalogDescribesTheFilesOwnTables) {
  EXPECT_EQ(Text("select owner || '.' || table_name from sys.all_tables where table_name = "
                 "'INVN_SBS'"),
            "CMS.INVN_SBS");
  EXPECT_EQ(Scalar("select count(*) from sys.all_tab_columns where owner = 'CMS' and table_name "
                   "= 'INVN_SBS' and column_name = 'LOCAL_UPC'")
                .integer(),
            1);
  EXPECT_EQ(Scalar("select count(*) from sys.all_tables where table_name like 'SQLITE%'").integer(),
            0);
}

TEST_F(EmbeddedEngineTest, DatasetReadsForwardWithNamedParametersAndCounts) {
  ExecSql(db_,
          "insert into store values (1, 1, 'A', 'Alpha', 1), (1, 2, 'B', null, 1), (2, 1, 'C', "
          "'Gamma', 0), (1, 3, 'D', 'Delta', 1);");
  connection_.Open();
  TVerrinDataset query(connection_);
  query.SetSQL("select store_no, store_name, 2.5 as half from store where sbs_no = :sbs_no and "
               "active = :Active order by store_no");
  query.SetParameter("SBS_NO", DbValue::Integer(1));
  query.SetParameter("active", DbValue::Integer(1));
  EXPECT_THROW(query.RecordCount(), EDatabaseError);  // closed
  query.Open();
  EXPECT_EQ(query.RecordCount(), 3);
  ASSERT_EQ(query.FieldCount(), 3);
  EXPECT_EQ(query.FieldName(1), "STORE_NAME");
  std::vector<std::string> names;
  for (; !query.Eof(); query.Next()) {
    EXPECT_EQ(query.FieldByName("Store_No").kind(), DbValue::Kind::Integer);
    EXPECT_EQ(query.FieldByName("half").number(), 2.5);
    names.push_back(query.IsNull("store_name") ? "<null>" : query.FieldByName("STORE_NAME").text());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "<null>", "Delta"}));
  EXPECT_THROW(query.FieldByName("store_no"), EDatabaseError);  // past the end
  query.Next();  // harmless at the end
  EXPECT_TRUE(query.Eof());

  // Without fixed-point fields every number arrives as floating point.
  query.SetEnableBCD(false);
  query.Open();
  EXPECT_EQ(query.FieldByName("store_no").kind(), DbValue::Kind::Float);
  EXPECT_EQ(query.FieldByName("store_no").number(), 1.0);
  EXPECT_THROW(query.FieldByName("no_such_field"), EDatabaseError);
}

TEST_F(EmbeddedEngineTest, ParameterAndStatementErrorsRaise) {
  connection_.Open();
  TVerrinDataset query(connection_);
  query.SetSQL("select * from store where sbs_no = :sbs_no");
  EXPECT_THROW(query.Open(), EDatabaseError);  // unbound
  query.SetParameter("sbs_no", DbValue::Integer(1));
  query.SetParameter("store_no", DbValue::Integer(1));
  EXPECT_THROW(query.Open(), EDatabaseError);  // not in the text
  query.SetSQL("select * from no_such_table");
  EXPECT_THROW(query.Open(), EDatabaseError);
  EXPECT_FALSE(query.Active());
  // The file is opened read-only: the layer never writes to Retail Pro.
  TVerrinDataset writer(connection_);
  writer.SetSQL("delete from store");
  EXPECT_THROW(writer.Open(), EDatabaseError);
}

}  // namespace
}  // namespace lumora
