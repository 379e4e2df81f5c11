#include "retailpro/uLumoraRPro9ConnectorSQLs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "retailpro/session_hold.h"
#include "retailpro/uQzOraUtils.h"
#include "tests/retailpro/rpro_fixture.h"
#include "tests/support/log_capture.h"

namespace lumora {
namespace {

using test::LogCapture;

// The messages logged under one area, in order.
std::vector<std::string> MessagesOf(LogCapture& capture, std::string_view area) {
  std::vector<std::string> messages;
  for (const auto& payload : capture.Payloads()) {
    // tag (9) + "|" + area (50) + "| " + message
    if (payload.size() < 62) continue;
    std::string column = payload.substr(10, 50);
    column.erase(column.find_last_not_of(' ') + 1);
    if (column == area) messages.push_back(payload.substr(62));
  }
  return messages;
}

class SessionTest : public test::RProSandbox {};

TEST_F(SessionTest, CountsReferencesAndConnectsOnce) {
  Db();
  LogCapture capture(9);
  GetSession();
  TVerrinConnection* first = &SessionConnection();
  GetSession();
  EXPECT_EQ(&SessionConnection(), first);
  EXPECT_EQ(DatabaseSession().reference_count, 2);
  ReleaseSession();
  EXPECT_TRUE(DatabaseSession().connection);
  ReleaseSession();
  EXPECT_FALSE(DatabaseSession().connection);
  EXPECT_EQ(DatabaseSession().reference_count, 0);
  EXPECT_EQ(MessagesOf(capture, "GetSession"),
            (std::vector<std::string>{
                "BEGIN", "Instantiating session", "Connecting session", "Session connected",
                "Incrementing session reference counter", "END", "BEGIN",
                "Session already exists, exiting", "Incrementing session reference counter",
                "END", "Decrementing session reference counter",
                "Session reference counter not zero, exiting...",
                "Decrementing session reference counter",
                "Session reference counter is zero, freeing session..."}));
}

TEST_F(SessionTest, ReleaseWithoutSessionDrivesTheCountBelowZero) {
  LogCapture capture(9);
  ReleaseSession();
  EXPECT_EQ(DatabaseSession().reference_count, -1);
  EXPECT_FALSE(DatabaseSession().connection);
  EXPECT_TRUE(capture.Contains("Session reference counter is zero, freeing session..."));
}

TEST_F(SessionTest, AFailedConnectLeavesNoSessionAndTheNextCallConnectsAfresh) {
  Db();
  test::InstallOracleClient(
      dir_, "RPROODS = (DESCRIPTION = (ADDRESS = (PROTOCOL = TCP)(HOST = rpro)(PORT = 1521)))");
  {
    LogCapture capture(9);
    EXPECT_THROW(GetSession(), EDatabaseError);
    EXPECT_FALSE(DatabaseSession().connection);
    EXPECT_EQ(DatabaseSession().reference_count, 0);
    // LogExc names the class and the area before the message.
    EXPECT_TRUE(capture.Contains("EDatabaseError in GetSession: "));
  }
  test::InstallOracleClient(dir_, "RPROODS = " + test::SqliteDescriptor(Db()));
  LogCapture capture(9);
  GetSession();
  EXPECT_TRUE(SessionConnection().Connected());
  EXPECT_EQ(DatabaseSession().reference_count, 1);
  EXPECT_TRUE(capture.Contains("Session connected"));
  ReleaseSession();
}

TEST_F(SessionTest, AHoldKeepsTheSessionForItsScopeAndReleasesItOnce) {
  Db();
  {
    const TSessionHold outer;
    {
      TSessionHold inner;
      EXPECT_EQ(&inner.Connection(), &outer.Connection());
      EXPECT_EQ(DatabaseSession().reference_count, 2);
      inner.Release();
      EXPECT_THROW(inner.Connection(), EDatabaseError);
    }
    // The inner hold's destructor gave nothing back a second time.
    EXPECT_EQ(DatabaseSession().reference_count, 1);
    EXPECT_TRUE(outer.Connection().Connected());
  }
  EXPECT_EQ(DatabaseSession().reference_count, 0);
  EXPECT_FALSE(DatabaseSession().connection);
}

TEST_F(SessionTest, AHoldReleasesWhenItsScopeFailsAndSwallowsAFailingRelease) {
  struct Source final : TSessionSource {
    void GetSession() override {
      if (fail_get) throw EDatabaseError("no listener");
      ++held;
    }
    void ReleaseSession() override {
      --held;
      if (fail_release) throw EDatabaseError("release failed");
    }
    bool fail_get = false;
    bool fail_release = false;
    int held = 0;
  } source;

  EXPECT_THROW(
      {
        const TSessionHold hold(source);
        throw std::runtime_error("query failed");
      },
      std::runtime_error);
  EXPECT_EQ(source.held, 0);

  // A session that was never taken is not given back.
  source.fail_get = true;
  EXPECT_THROW(TSessionHold{source}, EDatabaseError);
  EXPECT_EQ(source.held, 0);

  source.fail_get = false;
  source.fail_release = true;
  {
    TSessionHold hold(source);
    EXPECT_THROW(hold.Release(), EDatabaseError);
  }
  EXPECT_EQ(source.held, 0);
  EXPECT_NO_THROW({ const TSessionHold hold(source); });
  EXPECT_EQ(source.held, 0);
}

TEST_F(SessionTest, DiscoveryErrorsSurfaceThroughGetSession) {
  ::setenv("LUMORA_REGISTRY", (dir_.path() / "empty-registry").c_str(), 1);
  LogCapture capture(9);
  EXPECT_THROW(GetSession(), EOracleClientError);
  EXPECT_TRUE(capture.Contains("Registry key \"ORACLE\" could not be found in GetOracleBase"));
  EXPECT_FALSE(DatabaseSession().connection);
}

// Items of subsidiary 1 in store 1, listed by vendor code, then local UPC
// with items lacking one last (as Oracle orders nulls).
constexpr const char* kItems =
    "insert into version values (0, '9.30', '9.30.0.161'), (1, '9.30.161', 'b161');"
    "insert into inventory values (1, 'U1', ''), (2, 'U2', ''), (3, 'U3', ''), (4, null, ''),"
    " (5, 'U5', ''), (6, 'U6', '');"
    "insert into invn_sbs values (1, 1, 'VB', 'L1', 1), (2, 1, 'VA', 'L9', 1),"
    " (3, 1, 'VA', null, 1), (4, 1, 'VA', 'L2', 1), (5, 1, 'VA', 'L0', 0), (6, 1, 'VC', 'L0', 1),"
    " (1, 2, 'VA', 'X', 1);"
    "insert into invn_sbs_qty values (1, 1, 1, 1), (2, 1, 1, 2), (3, 1, 1, -3), (4, 1, 1, 4.5),"
    " (5, 1, 1, 5), (6, 1, 2, 6), (1, 2, 1, 7);";

struct Row {
  std::string item_sid, upc, local_upc;
  bool operator==(const Row&) const = default;
};
std::vector<Row> ReadAll(TVerrinDataset& query) {
  std::vector<Row> rows;
  const auto text = [&](const char* field) {
    return query.IsNull(field) ? std::string("<null>") : query.FieldByName(field).text();
  };
  for (; !query.Eof(); query.Next()) rows.push_back({text("item_sid"), text("upc"), text("local_upc")});
  return rows;
}

TEST_F(SessionTest, TheCatalogCheckChoosesQueryAAndTheResultKeepsItsOrder) {
  Exec(kItems);
  GetSession();
  TVerrinConnection& connection = SessionConnection();
  EXPECT_TRUE(DoesLocalUPCExist(connection));
  {
    LogCapture capture(9);
    const auto query = OpenQueryOnInventory(connection, 1, 1, test::At(2026, 3, 9, 14, 5, 6));
    EXPECT_EQ(query->RecordCount(), 4);
    EXPECT_EQ(ReadAll(*query), (std::vector<Row>{{"4", "<null>", "L2"},
                                                 {"2", "U2", "L9"},
                                                 {"3", "U3", "<null>"},
                                                 {"1", "U1", "L1"}}));
    const auto lines = MessagesOf(capture, "OpenQueryOnInventory");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ASbsNo..............1"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "ASince..............03/09/2026 14:05:06"),
              lines.end());
    EXPECT_TRUE(capture.Contains("Schema version = 9.30"));
    EXPECT_TRUE(capture.Contains("Build version  = 9.30.0.161"));
  }
  EXPECT_EQ(DatabaseSession().schema_version, "9.30");
  EXPECT_EQ(DatabaseSession().build_version, "9.30.0.161");

  // Query B (the configurator's) takes the item's UPC as the local one but
  // orders the same way.
  DatabaseSession().LocalUPCFlag = false;
  const auto query = OpenQueryOnInventory(connection, 1, 1, 0.0);
  EXPECT_EQ(ReadAll(*query), (std::vector<Row>{{"4", "<null>", "<null>"},
                                               {"2", "U2", "U2"},
                                               {"3", "U3", "U3"},
                                               {"1", "U1", "U1"}}));
  ReleaseSession();
}

TEST_F(SessionTest, WithoutALocalUpcColumnTheCheckAnswersFalse) {
  Db(false);
  GetSession();
  TVerrinConnection& connection = SessionConnection();
  DatabaseSession().LocalUPCFlag = true;
  EXPECT_FALSE(DoesLocalUPCExist(connection));
  EXPECT_FALSE(DatabaseSession().LocalUPCFlag);
  // Query B still orders by invn_sbs.local_upc, so such a database cannot
  // answer it either: the error reaches the caller.
  LogCapture capture(9);
  EXPECT_THROW(OpenQueryOnInventory(connection, 1, 1, 0.0), EDatabaseError);
  EXPECT_TRUE(capture.Contains("EDatabaseError in OpenQueryOnInventory: "));
  ReleaseSession();
}

TEST_F(SessionTest, ACheckThatCannotRunAnswersFalseSilently) {
  TVerrinConnection unconnected;
  DatabaseSession().LocalUPCFlag = true;
  LogCapture capture(9);
  EXPECT_FALSE(DoesLocalUPCExist(unconnected));
  EXPECT_EQ(MessagesOf(capture, "DoesLocalUPCExist"), (std::vector<std::string>{"BEGIN", "END"}));
}

TEST_F(SessionTest, LocalStoreComesFromTheControllerRow) {
  struct Case {
    const char* name;
    const char* rows;
    int sbs_no;
    int store_no;
    bool raises;
  };
  const std::vector<Case> cases = {
      {"local row", "insert into controller values (1, 2, 3, 0), (2, 4, 5, 1);", 4, 5, false},
      {"no local row", "insert into controller values (1, 2, 3, 0);", 0, 0, true},
      {"empty table", "", 0, 0, true},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    const auto db = dir.path() / "c.db";
    CreateRetailProDatabase(db.string());
    test::ExecSql(db, c.rows);
    TVerrinConnection connection;
    connection.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(db)));
    connection.Open();
    if (c.raises) {
      EXPECT_THROW(GetSbsAndStoreNo(connection), EConvertError) << c.name;
      continue;
    }
    const auto local = GetSbsAndStoreNo(connection);
    EXPECT_EQ(local.sbs_no, c.sbs_no) << c.name;
    EXPECT_EQ(local.store_no, c.store_no) << c.name;
  }
}

TEST_F(SessionTest, StoresOpenOnAWorkerWhileTheCallerPumpsMessages) {
  Exec("insert into subsidiary values (1, 'One'), (2, 'Two');"
       "insert into store values (2, 1, 'S21', 'Twenty-one', 1), (1, 2, 'S12', 'Twelve', 1),"
       " (1, 1, 'S11', 'Eleven', 1), (1, 3, 'S13', 'Closed', 0);");
  GetSession();
  int pumps = 0;
  const auto query = OpenQueryOnStores(SessionConnection(), [&] { ++pumps; });
  EXPECT_FALSE(TOpenThread::Opening());
  ASSERT_TRUE(query->Active());
  EXPECT_EQ(query->RecordCount(), 3);
  std::vector<std::string> codes;
  for (; !query->Eof(); query->Next()) {
    codes.push_back(query->FieldByName("store_code").text() + "/" +
                    query->FieldByName("sbs_name").text());
  }
  EXPECT_EQ(codes, (std::vector<std::string>{"S11/One", "S12/One", "S21/Two"}));
  ReleaseSession();
}

TEST_F(SessionTest, TheOpeningFlagStaysUpWhileTheWorkerOpens) {
  Db();
  TVerrinConnection connection;
  connection.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(Db())));
  connection.Open();
  TVerrinDataset slow(connection);
  slow.SetSQL("with recursive c(x) as (select 1 union all select x + 1 from c where x < 300000) "
              "select count(*) from c");
  int polls = 0;
  {
    TOpenThread opener(slow);
    EXPECT_TRUE(TOpenThread::Opening());  // raised before the worker starts
    while (TOpenThread::Opening()) {
      ++polls;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  EXPECT_GT(polls, 0);
  ASSERT_TRUE(slow.Active());
  EXPECT_EQ(slow.Field(0).integer(), 300000);
}

TEST_F(SessionTest, AStoreQueryThatFailsToOpenComesBackUnopenedAndLogged) {
  Db();
  Exec("drop table store;");
  GetSession();
  LogCapture capture(9);
  const auto query = OpenQueryOnStores(SessionConnection());
  ASSERT_TRUE(query);
  EXPECT_FALSE(query->Active());
  EXPECT_THROW(query->RecordCount(), EDatabaseError);
  EXPECT_TRUE(capture.Contains("EDatabaseError in TOpenThread.Execute: "));
  ReleaseSession();
}

}  // namespace
}  // namespace lumora
