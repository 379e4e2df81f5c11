#include "retailpro/sqlite/count_query.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/retailpro/rpro_fixture.h"

namespace lumora {
namespace {

TEST(CountQueryTextTest, KeepsFromAndWhereOrCountsTheWholeText) {
  struct Case {
    const char* name;
    std::string sql;
    std::optional<std::string> count;  // none: the whole text is counted
  };
  const std::vector<Case> cases = {
      {.name = "filter", .sql = "select a, b from t where c = 1", .count = "select count(*) from t where c = 1"},
      {.name = "ordering dropped", .sql = "SELECT A FROM T ORDER BY A DESC", .count = "select count(*) from T "},
      {.name = "select-list subquery dropped",
       .sql = "select a, (select max(b) from u where u.k = t.k) m from t where t.c > :p",
       .count = "select count(*) from t where t.c > :p"},
      {.name = "wrapper around the select",
       .sql = "select x, y - 1 as z from ( select a as x, (select sum(b) from u) y from t join v on v.k = t.k "
              "where t.c = :p order by t.a ) q",
       .count = "select count(*) from t join v on v.k = t.k where t.c = :p "},
      {.name = "wrapper without alias", .sql = "select x from (select a as x from t)", .count = "select count(*) from t"},
      {.name = "wrapper that filters keeps it",
       .sql = "select x from (select a as x from t) q where x > 1",
       .count = "select count(*) from (select a as x from t) q where x > 1"},
      {.name = "from inside brackets, literals and comments",
       .sql = "select 'from' as f, extract(year from d) from t -- from u\n where b = 'x) from'",
       .count = "select count(*) from t -- from u\n where b = 'x) from'"},
      {.name = "IN list and implicit join",
       .sql = "select v.a from version v, w where v.id in ( 0, 1 ) and w.id = v.id",
       .count = "select count(*) from version v, w where v.id in ( 0, 1 ) and w.id = v.id"},
      // Texts whose rows a count of FROM and WHERE would not match.
      {.name = "distinct", .sql = "select distinct a from t", .count = std::nullopt},
      {.name = "aggregate", .sql = "select count(*) from t", .count = std::nullopt},
      {.name = "aggregate inside a function", .sql = "select nvl(sum(a), 0) from t", .count = std::nullopt},
      {.name = "aggregate in the wrapper", .sql = "select max(x) from (select a as x from t)", .count = std::nullopt},
      {.name = "group by", .sql = "select a from t group by a", .count = std::nullopt},
      {.name = "union", .sql = "select a from t union all select b from u", .count = std::nullopt},
      {.name = "limit after the ordering", .sql = "select a from t order by a limit 5", .count = std::nullopt},
      {.name = "parameter in the ordering", .sql = "select a from t order by a * :p", .count = std::nullopt},
      {.name = "parameter in the select list", .sql = "select a + :p from t where b = :q", .count = std::nullopt},
      {.name = "filter names an item", .sql = "select a + 1 as x from t where x > 2", .count = std::nullopt},
      {.name = "join names an item", .sql = "select a y from t join u on u.b = y", .count = std::nullopt},
      {.name = "common table expression", .sql = "with c as (select 1 as a) select a from c", .count = std::nullopt},
      {.name = "two statements", .sql = "select a from t; select b from u", .count = std::nullopt},
      {.name = "for update", .sql = "select a from t for update", .count = std::nullopt},
      {.name = "unterminated literal", .sql = "select a from t where b = 'x", .count = std::nullopt},
      {.name = "unterminated comment", .sql = "select a from t /* where", .count = std::nullopt},
      {.name = "unbalanced bracket", .sql = "select (a from t", .count = std::nullopt},
      {.name = "no from", .sql = "select 1", .count = std::nullopt},
      {.name = "from without tables", .sql = "select a from", .count = std::nullopt},
      {.name = "bracket-quoted name", .sql = "select [a] from t", .count = std::nullopt},
      {.name = "not a select", .sql = "update t set a = 1", .count = std::nullopt},
      {.name = "empty", .sql = "", .count = std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountQueryText(c.sql), c.count) << c.name;
  }
}

TEST(CountQueryTextTest, CountsTheInventoryAndStoreQueriesWithoutTheirSelectLists) {
  for (const bool local_upc : {true, false}) {
    const auto count = CountQueryText(InventoryQueryText(local_upc));
    ASSERT_TRUE(count.has_value()) << local_upc;
    EXPECT_EQ(count->rfind("select count(*) from inventory inv join invn_sbs invsbs", 0), 0u) << *count;
    EXPECT_EQ(count->find("committed"), std::string::npos) << *count;
    EXPECT_EQ(count->find("order by"), std::string::npos) << *count;
  }
  const auto stores = CountQueryText(kStoresQueryText);
  ASSERT_TRUE(stores.has_value());
  EXPECT_EQ(*stores,
            "select count(*) from store st join subsidiary sbs on sbs.sbs_no=st.sbs_no where st.active=1 ");
}

// Rows at the edges of the inventory query's joins and filters.
constexpr const char* kEdgeRows =
    "insert into subsidiary values (1, 'One'), (3, 'Three');"
    "insert into store values (1, 1, 'S1', 'One', 1), (1, 2, 'S2', 'Two', 0), (2, 1, 'X', 'No sbs', 1),"
    " (3, 1, 'T1', 'Three', 1);"
    "insert into controller values (1, 1, 1, 1), (2, 1, 2, 0);"
    "insert into version values (0, '9.30', '9.30.0.161'), (1, '9.3', 'x'), (2, 'other', 'y');"
    // 1: no UPC, a local UPC with blanks; two stores.  2: inactive.  3: in two
    // subsidiaries, a quantity in one.  4: no quantity.  5: a quantity and no
    // subsidiary row.  6: empty UPC, no vendor.  7: null quantity.
    "insert into inventory values (1, null, 'a'), (2, '2', 'b'), (3, '3', 'c'), (4, '4', 'd'),"
    " (5, '5', 'e'), (6, '', 'f'), (7, '7', 'g');"
    "insert into invn_sbs_qty values (1, 1, 1, 10), (1, 1, 2, -2), (2, 1, 1, 5), (3, 2, 1, 0.4),"
    " (5, 1, 1, 9), (6, 1, 1, 1), (7, 1, 1, null);"
    // Open orders, so that the select list's subqueries have rows to add up.
    "insert into so values (10, 1, 1, 1, 0, 0, 1, '2026-03-01 09:00:00', null);"
    "insert into so_item values (10, 1, 1, 5, 2), (10, 2, 7, 1, 0);"
    "insert into tord values (20, 1, 1, 1, 0, 1, '2026-03-01 09:00:00');"
    "insert into tord_item values (20, 1, 1); insert into tord_qty values (20, 1, 2, 6, 1);";
// invn_sbs of the edge rows, with and without its LOCAL_UPC column.
constexpr const char* kEdgeSbsRows =
    "insert into invn_sbs values (1, 1, 'V1', ' 00123 ', 1), (2, 1, 'V1', null, 0), (3, 1, 'V2', null, 1),"
    " (3, 2, 'V2', '33', 1), (4, 1, 'V3', null, 1), (6, 1, null, null, 1), (7, 1, 'V1', null, 1);";
constexpr const char* kEdgeSbsRowsWithoutLocalUpc =
    "insert into invn_sbs values (1, 1, 'V1', 1), (2, 1, 'V1', 0), (3, 1, 'V2', 1),"
    " (3, 2, 'V2', 1), (4, 1, 'V3', 1), (6, 1, null, 1), (7, 1, 'V1', 1);";

class CountRowsTest : public test::RProSandbox {
 protected:
  struct Database {
    std::string name;
    std::filesystem::path path;
    bool local_upc;
  };

  std::vector<Database> Databases() {
    std::vector<Database> databases;
    const auto add = [&](const std::string& name, bool local_upc, auto&& fill) {
      const auto path = dir_.path() / (name + ".db");
      fill(path.string(), local_upc);
      databases.push_back({name, path, local_upc});
    };
    for (const bool local_upc : {true, false}) {
      const std::string suffix = local_upc ? "" : " without local_upc";
      add("empty" + suffix, local_upc, [](const std::string& path, bool with) { CreateRetailProDatabase(path, with); });
      add("edge rows" + suffix, local_upc, [](const std::string& path, bool with) {
        CreateRetailProDatabase(path, with);
        test::ExecSql(path, std::string(kEdgeRows) + (with ? kEdgeSbsRows : kEdgeSbsRowsWithoutLocalUpc));
      });
      add("demo" + suffix, local_upc, [](const std::string& path, bool with) {
        DemoDatabaseOptions options;
        options.items = 800;
        options.sales_orders = 120;
        options.transfer_orders = 60;
        options.local_upc = with;
        options.today = "2026-03-10";
        CreateDemoDatabase(path, options);
      });
    }
    return databases;
  }
};

// The derived count against the rows the full text delivers and against a
// count of the whole text, for every query that is counted and every
// subsidiary and store the databases have, and some they lack.
TEST_F(CountRowsTest, EqualsTheRowsOfTheFullQueryOnEveryTestDatabase) {
  const std::vector<std::pair<std::string, std::string>> queries = {
      {"query A", InventoryQueryText(true)},
      {"query B", InventoryQueryText(false)},
  };
  const std::vector<std::pair<std::string, std::string>> plain_queries = {
      {"stores", kStoresQueryText},
      {"version", "select v.component_type, v.version from version v where v.component_id in ( 0, 1 ) "
                  "order by v.component_id"},
      {"controller", "select sbs_no as sbsno, store_no as storeno from controller where is_local=1"},
      {"catalog", "select col.column_name from sys.all_tab_columns col inner join sys.all_tables t on "
                  "col.owner=t.owner and col.table_name=t.table_name where col.owner = 'CMS' and "
                  "col.table_name = 'INVN_SBS' and col.column_name = 'LOCAL_UPC' order by col.column_name"},
  };
  for (const auto& database : Databases()) {
    TVerrinConnection connection;
    connection.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(database.path)));
    connection.Open();
    DbEngine& engine = connection.Engine();
    const auto check = [&](const std::string& what, const std::string& sql,
                           const std::vector<DbParameter>& parameters) {
      const std::string label = database.name + ", " + what;
      EXPECT_TRUE(CountQueryText(sql).has_value()) << label;
      std::unique_ptr<DbCursor> cursor;
      try {
        cursor = engine.Execute(sql, parameters, true);
      } catch (const EDatabaseError&) {
        // A text that names what the database lacks: the count fails as well.
        EXPECT_THROW(engine.CountRows(sql, parameters), EDatabaseError) << label;
        return std::int64_t{0};
      }
      std::int64_t rows = 0;
      for (std::vector<DbValue> row; cursor->Fetch(row);) ++rows;
      EXPECT_EQ(engine.CountRows(sql, parameters), rows) << label;
      const auto whole = engine.Execute("select count(*) from (" + sql + ")", parameters, false);
      std::vector<DbValue> row;
      EXPECT_TRUE(whole->Fetch(row) && row.at(0).integer() == rows) << label;
      return rows;
    };
    std::int64_t inventory_rows = 0;
    for (const auto& [name, sql] : queries) {
      for (const int sbs : {-1, 0, 1, 2, 3}) {
        for (const int store : {-1, 1, 2, 3, 4, 5}) {
          inventory_rows += check(name + " sbs " + std::to_string(sbs) + " store " + std::to_string(store), sql,
                                  {{"sbs_no", DbValue::Integer(sbs)}, {"store_no", DbValue::Integer(store)}});
        }
      }
    }
    for (const auto& [name, sql] : plain_queries) check(name, sql, {});
    // The cases hold rows, not only empty results. Without invn_sbs.local_upc
    // both inventory texts fail (they order by it), and so must their counts.
    if (database.local_upc && database.name.rfind("empty", 0) != 0) {
      EXPECT_GT(inventory_rows, 0) << database.name;
    }
  }
}

}  // namespace
}  // namespace lumora
