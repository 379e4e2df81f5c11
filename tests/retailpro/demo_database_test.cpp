#include "retailpro/demo_database.h"

#include <gtest/gtest.h>

#include "retailpro/uLumoraRPro9ConnectorSQLs.h"
#include "retailpro/verrin_db.h"
#include "tests/retailpro/rpro_fixture.h"

namespace lumora {
namespace {

// Every row of every table, as one text.
std::string Dump(TVerrinConnection& connection) {
  std::string dump;
  for (const char* table : {"version", "controller", "subsidiary", "store", "inventory",
                            "invn_sbs", "invn_sbs_qty", "so", "so_item", "tord", "tord_item",
                            "tord_qty"}) {
    TVerrinDataset query(connection);
    query.SetSQL(std::string("select * from ") + table + " order by rowid");
    for (query.Open(); !query.Eof(); query.Next()) {
      for (int i = 0; i < query.FieldCount(); ++i) {
        const DbValue& v = query.Field(i);
        dump += v.IsNull() ? "~" : v.kind() == DbValue::Kind::DriverText ? v.text()
                                                                          : std::to_string(v.number() + double(v.integer()));
        dump += ',';
      }
      dump += '\n';
    }
  }
  return dump;
}

std::int64_t Count(TVerrinConnection& connection, const std::string& sql) {
  TVerrinDataset query(connection);
  query.SetSQL(sql);
  query.Open();
  return query.Field(0).integer();
}

TEST(DemoDatabaseTest, TheSameSeedGivesTheSameDataWithEveryKindOfRow) {
  test::TempDir dir;
  DemoDatabaseOptions options;
  options.items = 300;
  options.sales_orders = 80;
  options.transfer_orders = 40;
  options.today = "2026-03-10";
  std::string dumps[3];
  for (int i = 0; i < 3; ++i) {
    if (i == 2) options.seed = 2;
    const auto path = dir.path() / ("demo" + std::to_string(i) + ".db");
    CreateDemoDatabase(path.string(), options);
    TVerrinConnection connection;
    connection.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(path)));
    connection.Open();
    dumps[i] = Dump(connection);
    if (i > 0) continue;
    EXPECT_EQ(Count(connection, "select count(*) from store where active = 0"), 2);
    EXPECT_GT(Count(connection, "select count(*) from invn_sbs where active = 0"), 0);
    EXPECT_GT(Count(connection, "select count(*) from inventory where upc is null"), 0);
    EXPECT_GT(Count(connection, "select count(*) from inventory i join invn_sbs s on "
                                "s.item_sid = i.item_sid where i.upc is null and s.local_upc is "
                                "not null"), 0);
    EXPECT_GT(Count(connection, "select count(*) from invn_sbs_qty where qty < 0"), 0);
    EXPECT_GT(Count(connection, "select count(*) from invn_sbs_qty where qty <> round(qty)"), 0);
    EXPECT_GT(Count(connection, "select count(*) from so where status = 1"), 0);
    EXPECT_GT(Count(connection, "select count(*) from so where nvl(cancel_date, sysdate) >= trunc(sysdate)"), 0);
    EXPECT_GT(Count(connection, "select count(*) from tord where held = 1"), 0);
    EXPECT_EQ(Count(connection, "select count(*) from controller where is_local = 1"), 1);
    EXPECT_EQ(Count(connection, "select count(*) from inventory"), 300);
    // The demo is the connector's playground: the inventory query answers.
    const auto query = OpenQueryOnInventory(connection, 1, 1, 0.0);
    EXPECT_GT(query->RecordCount(), 200);
  }
  EXPECT_EQ(dumps[0], dumps[1]);
  EXPECT_NE(dumps[0], dumps[2]);
  EXPECT_THROW(CreateDemoDatabase((dir.path() / "demo0.db").string(), options), EDatabaseError);
}

}  // namespace
}  // namespace lumora
