// The Oracle engine against a real Oracle database, for a developer who has
// one: create the tables with retailpro/schema/retailpro_schema_oracle.sql
// and set LUMORA_TEST_ORACLE_DSN (a descriptor, an alias or host:port/service),
// LUMORA_TEST_ORACLE_USER and LUMORA_TEST_ORACLE_PASSWORD. The client library
// comes from the normal library search. Without the variables every case is
// skipped; the client double's tests cover the engine everywhere else.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/verrin_db.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

class OracleLiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dsn_ = Env("LUMORA_TEST_ORACLE_DSN");
    user_ = Env("LUMORA_TEST_ORACLE_USER");
    password_ = Env("LUMORA_TEST_ORACLE_PASSWORD");
    if (dsn_.empty() || user_.empty() || password_.empty()) {
      GTEST_SKIP() << "no live Oracle database: set LUMORA_TEST_ORACLE_DSN, "
                      "LUMORA_TEST_ORACLE_USER and LUMORA_TEST_ORACLE_PASSWORD";
    }
  }

  std::string ConnectionString(const std::string& password) const {
    return "Provider=OraOLEDB.Oracle;Data Source=" + dsn_ + ";;User Id=" + user_ +
           ";Password=" + password + ";";
  }

  std::string dsn_, user_, password_;
};

TEST_F(OracleLiveTest, TheProductsQueriesRunOnTheSchema) {
  TVerrinConnection connection;
  connection.SetConnectionString(ConnectionString(password_));
  connection.Open();
  GetRProVersion(connection);
  DoesLocalUPCExist(connection);
  for (const bool local_upc : {true, false}) {
    TVerrinDataset inventory(connection);
    inventory.SetSQL(InventoryQueryText(local_upc));
    inventory.SetEnableBCD(false);
    inventory.SetParameter("sbs_no", DbValue::Integer(1));
    inventory.SetParameter("store_no", DbValue::Integer(1));
    inventory.Open();
    EXPECT_GE(inventory.RecordCount(), 0);
    for (const char* name : {"item_sid", "upc", "local_upc", "ohqty", "committedqty", "availqty"}) {
      EXPECT_GE(inventory.FindField(name), 0) << name;
    }
  }
  TVerrinDataset stores(connection);
  stores.SetSQL(kStoresQueryText);
  stores.Open();
  EXPECT_GE(stores.FindField("store_name"), 0);
}

TEST_F(OracleLiveTest, NumbersTextAndNullsArriveAsTheEngineDeliversThem) {
  TVerrinConnection connection;
  connection.SetConnectionString(ConnectionString(password_));
  connection.Open();
  TVerrinDataset query(connection);
  query.SetSQL("select 2.5 as half, :n as n, 'Z\xc3\xbcrich \xe2\x82\xac' as name, "
               "cast(null as varchar2(10)) as missing from dual");
  query.SetParameter("n", DbValue::Integer(7));
  query.SetEnableBCD(false);
  query.Open();
  ASSERT_FALSE(query.Eof());
  EXPECT_EQ(query.FieldByName("half").kind(), DbValue::Kind::Float);
  EXPECT_EQ(query.FieldByName("half").number(), 2.5);
  EXPECT_EQ(query.FieldByName("n").AsInteger(), 7);
  EXPECT_EQ(query.FieldByName("name").text(), "Z\xc3\xbcrich \xe2\x82\xac");
  EXPECT_TRUE(query.FieldByName("missing").IsNull());
  EXPECT_EQ(query.RecordCount(), 1);
}

TEST_F(OracleLiveTest, AWrongPasswordIsRefusedWithTheClientsMessage) {
  TVerrinConnection connection;
  connection.SetConnectionString(ConnectionString(password_ + "-wrong"));
  try {
    connection.Open();
    FAIL() << "connected with a wrong password";
  } catch (const EDatabaseError& error) {
    EXPECT_THAT(error.what(), HasSubstr("ORA-01017"));
  }
  EXPECT_FALSE(connection.Connected());
}

}  // namespace
}  // namespace lumora
