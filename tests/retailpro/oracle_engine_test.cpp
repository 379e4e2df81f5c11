// The Oracle engine over the test double of the Oracle client: how each kind
// of connect failure reaches the operator, and the product's queries giving
// the same rows as through the embedded engine.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "configuration/time_values.h"
#include "foundation/clock.h"
#include "foundation/date_time.h"
#include "foundation/text.h"
#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/verrin_db.h"
#include "tests/retailpro/oracle_test_support.h"
#include "tests/retailpro/rpro_fixture.h"

namespace lumora {
namespace {

using ::testing::HasSubstr;

struct ProbeResult {
  int exit_code = -1;
  std::string output;
};

// Runs the connect probe with the environment set for one case.
ProbeResult RunProbe() {
  ProbeResult result;
  FILE* pipe = ::popen(LUMORA_ORACLE_CONNECT_PROBE " 2>&1", "r");
  if (pipe == nullptr) return result;
  std::array<char, 512> buffer{};
  while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
    result.output += buffer.data();
  }
  const int status = ::pclose(pipe);
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

struct ConnectCase {
  const char* name;
  bool home_has_client;      // ORACLE_HOME's lib folder holds libclntsh.so
  const char* version;       // the client version the double reports
  const char* connect;       // the double's connect behaviour
  bool connects;
  std::vector<std::string> message_parts;
};

void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }

class OracleConnectTest : public test::RProSandbox,
                          public ::testing::WithParamInterface<ConnectCase> {
 protected:
  void TearDown() override {
    ::unsetenv("LUMORA_OCI_DOUBLE_VERSION");
    ::unsetenv("LUMORA_OCI_DOUBLE_CONNECT");
    test::RProSandbox::TearDown();
  }
};

TEST_P(OracleConnectTest, SaysWhatHappened) {
  const ConnectCase& c = GetParam();
  const auto db = dir_.path() / "rpro.db";
  DemoDatabaseOptions options;
  options.items = 20;
  CreateDemoDatabase(db.string(), options);
  test::InstallOracleClient(dir_, "RPROODS =\n" + test::TcpDescriptor(db));
  const auto empty_home = dir_.path() / "empty_home";
  std::filesystem::create_directories(empty_home / "lib");
  test::SetOracleHome(dir_, c.home_has_client ? test::OracleClientDoubleHome() : empty_home);
  ::setenv("LUMORA_OCI_DOUBLE_VERSION", c.version, 1);
  ::setenv("LUMORA_OCI_DOUBLE_CONNECT", c.connect, 1);
  // The client's own fallbacks must not find a library elsewhere.
  ::unsetenv("ORACLE_HOME");

  const ProbeResult result = RunProbe();
  EXPECT_EQ(result.exit_code, c.connects ? 0 : 1) << result.output;
  for (const auto& part : c.message_parts) EXPECT_THAT(result.output, HasSubstr(part));
  if (!c.home_has_client) {
    EXPECT_THAT(result.output, HasSubstr((empty_home / "lib").string()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OracleConnectTest,
    ::testing::Values(
        ConnectCase{"NoClientLibrary", false, "19.3", "", false,
                    {"DPI-1047", "Oracle Client library", "libclntsh.so"}},
        ConnectCase{"ClientTooOld", true, "10.2", "", false,
                    {"DPI-1050", "10.2", "11.2"}},
        ConnectCase{"NoListener", true, "19.3", "no-listener", false,
                    {"ORA-12541: TNS:no listener"}},
        ConnectCase{"WrongPassword", true, "19.3", "invalid-login", false,
                    {"ORA-01017: invalid username/password"}},
        ConnectCase{"Client112Connects", true, "11.2", "", true, {"connected, schema version"}},
        ConnectCase{"Client193Connects", true, "19.3", "", true, {"connected, schema version"}}),
    [](const auto& info) { return std::string(info.param.name); });

// One value as kind and text, so that a mismatch shows both.
std::string Describe(const DbValue& value) {
  return std::to_string(static_cast<int>(value.kind())) + ":" + FieldValueText(value);
}

// Every row of an open dataset, its field names first.
std::vector<std::vector<std::string>> ReadAll(TVerrinDataset& query) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> names;
  for (int i = 0; i < query.FieldCount(); ++i) names.push_back(AsciiUpper(query.FieldName(i)));
  rows.push_back(names);
  for (; !query.Eof(); query.Next()) {
    std::vector<std::string> row;
    for (int i = 0; i < query.FieldCount(); ++i) row.push_back(Describe(query.Field(i)));
    rows.push_back(std::move(row));
  }
  return rows;
}

// The same database through both engines: the embedded one directly, the
// Oracle one through the client double, as a TCP descriptor would reach it.
class OracleQueryTest : public test::RProSandbox {
 protected:
  void SetUp() override {
    test::RProSandbox::SetUp();
    db_ = dir_.path() / "demo.db";
    DemoDatabaseOptions options;
    options.items = 3000;
    // The client double has a clock of its own, the machine's, as a database
    // server has: the embedded engine's clock is set to the same moment.
    clock_.Set(EncodeDateTime(platform::ToLocalCivilTime(std::chrono::system_clock::now())));
    options.today = FormatDateTime("yyyy-mm-dd", lumora::Now());
    CreateDemoDatabase(db_.string(), options);
    // Text beyond ASCII, and a store whose subsidiary name is missing.
    test::ExecSql(db_, "update store set store_name = 'Caf\xc3\xa9 Z\xc3\xbcrich \xe2\x82\xac' "
                       "where sbs_no = 1 and store_no = 2");
    test::InstallOracleClient(dir_, "RPROODS =\n" + test::TcpDescriptor(db_));
    test::SetOracleHome(dir_, test::OracleClientDoubleHome());
    sqlite_.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(db_)));
    oracle_.SetConnectionString(SessionConnectionString(test::TcpDescriptor(db_)));
    sqlite_.Open();
    oracle_.Open();
  }

  // Opens the same text with the same parameters through both engines and
  // expects the same fields and rows, value kinds included.
  void ExpectSameRows(const std::string& sql, bool enable_bcd,
                      const std::vector<DbParameter>& parameters = {}) {
    std::vector<std::vector<std::vector<std::string>>> results;
    std::vector<std::int64_t> counts;
    for (TVerrinConnection* connection : {&sqlite_, &oracle_}) {
      TVerrinDataset query(*connection);
      query.SetSQL(sql);
      query.SetEnableBCD(enable_bcd);
      for (const auto& parameter : parameters) query.SetParameter(parameter.name, parameter.value);
      query.Open();
      counts.push_back(query.RecordCount());
      results.push_back(ReadAll(query));
    }
    ASSERT_EQ(results[0].size(), results[1].size()) << sql;
    EXPECT_EQ(counts[0], counts[1]);
    EXPECT_EQ(counts[1], static_cast<std::int64_t>(results[1].size()) - 1);
    for (std::size_t i = 0; i < results[0].size(); ++i) {
      ASSERT_EQ(results[0][i], results[1][i]) << "row " << i << " of " << sql;
    }
  }

  std::filesystem::path db_;
  TVerrinConnection sqlite_;
  TVerrinConnection oracle_;
};

TEST_F(OracleQueryTest, InventoryQueriesGiveTheSameRowsForEveryStore) {
  for (const bool local_upc : {true, false}) {
    for (int sbs = 1; sbs <= 2; ++sbs) {
      for (int store = 1; store <= 4; ++store) {
        SCOPED_TRACE("local_upc " + std::to_string(local_upc) + ", store " + std::to_string(sbs) +
                     "." + std::to_string(store));
        ExpectSameRows(InventoryQueryText(local_upc), false,
                       {{"sbs_no", DbValue::Integer(sbs)}, {"store_no", DbValue::Integer(store)}});
      }
    }
  }
}

TEST_F(OracleQueryTest, TheStoreListAndTheSessionQueriesAgree) {
  ExpectSameRows(kStoresQueryText, true);
  const RProVersion sqlite_version = GetRProVersion(sqlite_);
  const RProVersion oracle_version = GetRProVersion(oracle_);
  EXPECT_EQ(oracle_version.schema_version, sqlite_version.schema_version);
  EXPECT_EQ(oracle_version.build_version, sqlite_version.build_version);
  const SbsAndStoreNo sqlite_local = GetSbsAndStoreNo(sqlite_);
  const SbsAndStoreNo oracle_local = GetSbsAndStoreNo(oracle_);
  EXPECT_EQ(oracle_local.sbs_no, sqlite_local.sbs_no);
  EXPECT_EQ(oracle_local.store_no, sqlite_local.store_no);
  EXPECT_TRUE(DoesLocalUPCExist(sqlite_));
  EXPECT_TRUE(DoesLocalUPCExist(oracle_));
}

TEST_F(OracleQueryTest, ValuesKeepTheirKindsNullsAndText) {
  TVerrinDataset query(oracle_);
  query.SetSQL("select store_name, sbs_no from store where sbs_no = :sbs_no and store_no = :store_no");
  query.SetParameter("SBS_NO", DbValue::Integer(1));
  query.SetParameter("store_no", DbValue::Integer(2));
  query.Open();
  ASSERT_FALSE(query.Eof());
  // Oracle reports names in capitals; fields are found regardless of case.
  EXPECT_EQ(query.FieldName(0), "STORE_NAME");
  EXPECT_EQ(query.FieldByName("Store_Name").text(), "Caf\xc3\xa9 Z\xc3\xbcrich \xe2\x82\xac");
  EXPECT_EQ(query.FieldByName("sbs_no").kind(), DbValue::Kind::Integer);
  query.Next();
  EXPECT_TRUE(query.Eof());

  // Without fixed-point fields every number is floating point; nulls stay.
  query.SetSQL("select null as missing, 2.5 as half, sbs_no from store where sbs_no = :sbs_no "
               "and store_no = :store_no");
  query.SetEnableBCD(false);
  query.Open();
  ASSERT_FALSE(query.Eof());
  EXPECT_TRUE(query.FieldByName("missing").IsNull());
  EXPECT_EQ(query.FieldByName("half").kind(), DbValue::Kind::Float);
  EXPECT_EQ(query.FieldByName("half").number(), 2.5);
  EXPECT_EQ(query.FieldByName("sbs_no").kind(), DbValue::Kind::Float);
  EXPECT_EQ(query.FieldByName("sbs_no").number(), 1.0);
}

TEST_F(OracleQueryTest, AStatementErrorCarriesTheClientsMessage) {
  TVerrinDataset query(oracle_);
  query.SetSQL("select no_such_column from store");
  try {
    query.Open();
    FAIL() << "opened";
  } catch (const EDatabaseError& error) {
    EXPECT_THAT(error.what(), HasSubstr("ORA-"));
    EXPECT_THAT(error.what(), HasSubstr("no_such_column"));
  }
  EXPECT_FALSE(query.Active());
}

}  // namespace
}  // namespace lumora
