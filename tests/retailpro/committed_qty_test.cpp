#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/retailpro/rpro_fixture.h"

namespace lumora {
namespace {

// One item (sid 1) of subsidiary 1 with 100 on hand in store 1, and order
// rows around it. "Now" is 2026-03-10 12:00.
constexpr const char* kItem =
    "insert into inventory values (1, '000000000017', 'Item');"
    "insert into invn_sbs values (1, 1, 'V1', null, 1);"
    "insert into invn_sbs_qty values (1, 1, 1, 100), (1, 1, 2, 40), (1, 2, 1, 7);"
    "insert into subsidiary values (1, 'One'), (2, 'Two');"
    "insert into version values (0, '9.30', '9.30.0.161');";

// so: so_sid, sbs_no, store_no, so_no, so_type, status, active, created, cancel
// so_item: so_sid, item_pos, item_sid, ord_qty, sent_qty
std::string SalesOrder(const std::string& so_values, const std::string& item_values) {
  return "insert into so values (" + so_values + "); insert into so_item values (" + item_values +
         ");";
}
const std::string kOpenSo = "10, 1, 1, 1, 0, 0, 1, '2026-03-01 09:00:00', null";
const std::string kSoLine = "10, 1, 1, 5, 2";  // 3 still to send

// tord: to_sid, sbs_no, store_no (sender), to_no, held, active, created
// tord_item: to_sid, item_pos, item_sid; tord_qty: to_sid, item_pos, store_no, ord, sent
std::string Transfer(const std::string& tord_values, const std::string& qty_values,
                     const std::string& item_values = "20, 1, 1") {
  return "insert into tord values (" + tord_values + "); insert into tord_item values (" +
         item_values + "); insert into tord_qty values (" + qty_values + ");";
}
const std::string kOpenTo = "20, 1, 1, 1, 0, 1, '2026-03-01 09:00:00'";
const std::string kToLine = "20, 1, 2, 6, 1";  // 5 still to send to store 2

class CommittedQuantityTest : public test::RProSandbox {};

TEST_F(CommittedQuantityTest, EachConditionOfTheSubqueriesCountsAsItShould) {
  struct Case {
    const char* name;
    std::string rows;
    double committed;
  };
  const std::vector<Case> cases = {
      {.name = "no orders", .rows = "", .committed = 0},
      // Sales orders.
      {.name = "open sales order type 0", .rows = SalesOrder(kOpenSo, kSoLine), .committed = 3},
      {.name = "type 1", .rows = SalesOrder("10, 1, 1, 1, 1, 0, 1, null, null", kSoLine), .committed = 3},
      {.name = "type 2", .rows = SalesOrder("10, 1, 1, 1, 2, 0, 1, null, null", kSoLine), .committed = 3},
      {.name = "type 3 commits nothing", .rows = SalesOrder("10, 1, 1, 1, 3, 0, 1, null, null", kSoLine), .committed = 0},
      {.name = "cancelled yesterday", .rows = SalesOrder("10, 1, 1, 1, 0, 0, 1, null, '2026-03-09 23:59:59'", kSoLine), .committed = 0},
      {.name = "cancel date today at midnight", .rows = SalesOrder("10, 1, 1, 1, 0, 0, 1, null, '2026-03-10 00:00:00'", kSoLine), .committed = 3},
      {.name = "cancel date earlier today", .rows = SalesOrder("10, 1, 1, 1, 0, 0, 1, null, '2026-03-10 08:00:00'", kSoLine), .committed = 3},
      {.name = "cancel date tomorrow", .rows = SalesOrder("10, 1, 1, 1, 0, 0, 1, null, '2026-03-11 00:00:00'", kSoLine), .committed = 3},
      {.name = "status bit 1 set", .rows = SalesOrder("10, 1, 1, 1, 0, 1, 1, null, null", kSoLine), .committed = 0},
      {.name = "status 3 has bit 1", .rows = SalesOrder("10, 1, 1, 1, 0, 3, 1, null, null", kSoLine), .committed = 0},
      {.name = "status 2 leaves bit 1 clear", .rows = SalesOrder("10, 1, 1, 1, 0, 2, 1, null, null", kSoLine), .committed = 3},
      {.name = "inactive sales order", .rows = SalesOrder("10, 1, 1, 1, 0, 0, 0, null, null", kSoLine), .committed = 0},
      {.name = "sales order active null", .rows = SalesOrder("10, 1, 1, 1, 0, 0, null, null, null", kSoLine), .committed = 0},
      {.name = "ordered equals sent", .rows = SalesOrder(kOpenSo, "10, 1, 1, 4, 4"), .committed = 0},
      {.name = "sent null", .rows = SalesOrder(kOpenSo, "10, 1, 1, 4, null"), .committed = 4},
      {.name = "fractional line", .rows = SalesOrder(kOpenSo, "10, 1, 1, 2.5, 0.25"), .committed = 2.25},
      {.name = "two lines and two orders add up",
       .rows = SalesOrder(kOpenSo, "10, 1, 1, 5, 2), (10, 2, 1, 1, 0") +
               SalesOrder("11, 1, 1, 2, 1, 0, 1, null, null", "11, 1, 1, 10, 0"),
       .committed = 14},
      {.name = "sales order of another store", .rows = SalesOrder("10, 1, 2, 1, 0, 0, 1, null, null", kSoLine), .committed = 0},
      {.name = "sales order of another subsidiary", .rows = SalesOrder("10, 2, 1, 1, 0, 0, 1, null, null", kSoLine), .committed = 0},
      {.name = "sales order of another item", .rows = "insert into inventory values (2, 'x', 'y');" + SalesOrder(kOpenSo, "10, 1, 2, 5, 2"), .committed = 0},
      // Transfer orders.
      {.name = "open transfer to another store", .rows = Transfer(kOpenTo, kToLine), .committed = 5},
      {.name = "held transfer", .rows = Transfer("20, 1, 1, 1, 1, 1, null", kToLine), .committed = 0},
      {.name = "held null counts as not held", .rows = Transfer("20, 1, 1, 1, null, 1, null", kToLine), .committed = 5},
      {.name = "inactive transfer", .rows = Transfer("20, 1, 1, 1, 0, 0, null", kToLine), .committed = 0},
      {.name = "transfer active null", .rows = Transfer("20, 1, 1, 1, 0, null, null", kToLine), .committed = 0},
      {.name = "transfer to the same store", .rows = Transfer(kOpenTo, "20, 1, 1, 6, 1"), .committed = 0},
      {.name = "transfer ordered equals sent", .rows = Transfer(kOpenTo, "20, 1, 2, 6, 6"), .committed = 0},
      {.name = "transfer from another store", .rows = Transfer("20, 1, 2, 1, 0, 1, null", "20, 1, 3, 6, 1"), .committed = 0},
      {.name = "transfer of another subsidiary", .rows = Transfer("20, 2, 1, 1, 0, 1, null", kToLine), .committed = 0},
      {.name = "quantity row of another line", .rows = Transfer(kOpenTo, "20, 2, 2, 6, 1"), .committed = 0},
      {.name = "transfer to two stores", .rows = Transfer(kOpenTo, "20, 1, 2, 6, 1), (20, 1, 3, 2, 0"), .committed = 7},
      // Both kinds together.
      {.name = "sales and transfer orders together",
       .rows = SalesOrder(kOpenSo, kSoLine) + Transfer(kOpenTo, kToLine),
       .committed = 8},
  };
  // Each case starts from a copy of one empty database.
  test::TempDir dir;
  const auto empty = dir.path() / "empty.db";
  CreateRetailProDatabase(empty.string());
  int number = 0;
  for (const auto& c : cases) {
    const auto db = dir.path() / ("case" + std::to_string(++number) + ".db");
    std::filesystem::copy_file(empty, db);
    test::ExecSql(db, std::string(kItem) + c.rows);
    TVerrinConnection connection;
    connection.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(db)));
    connection.Open();
    for (const bool local_upc : {false, true}) {
      DatabaseSession().LocalUPCFlag = local_upc;
      const auto query = OpenQueryOnInventory(connection, 1, 1, 0.0);
      ASSERT_FALSE(query->Eof()) << c.name;
      EXPECT_EQ(query->FieldByName("ohqty").number(), 100.0) << c.name;
      EXPECT_EQ(query->FieldByName("committedqty").kind(), DbValue::Kind::Float) << c.name;
      EXPECT_DOUBLE_EQ(query->FieldByName("committedqty").number(), c.committed)
          << c.name << (local_upc ? " (query A)" : " (query B)");
      EXPECT_DOUBLE_EQ(query->FieldByName("availqty").number(), 100.0 - c.committed) << c.name;
      query->Next();
      EXPECT_TRUE(query->Eof()) << c.name;
    }
  }
}

// Quantities with one decimal whose difference ends in .5: Oracle's NUMBER
// gives exactly x.5, which the batch rounds up, where doubles fall just short.
TEST_F(CommittedQuantityTest, AvailableQuantityIsTheDecimalDifference) {
  const struct {
    const char* on_hand;
    const char* ordered;
    double available;
  } rows[] = {
      {"0.7", "0.2", 0.5}, {"4.1", "0.6", 3.5}, {"2.3", "0.8", 1.5}, {"1.1", "0.6", 0.5},
      {"10.1", "0.6", 9.5}, {"5.3", "2.8", 2.5}, {"0.3", "0.8", -0.5}, {"100.4", "0.9", 99.5},
  };
  test::TempDir dir;
  const auto empty = dir.path() / "empty.db";
  CreateRetailProDatabase(empty.string());
  int number = 0;
  for (const auto& row : rows) {
    const auto db = dir.path() / ("pair" + std::to_string(++number) + ".db");
    std::filesystem::copy_file(empty, db);
    test::ExecSql(db, "insert into inventory values (1, '000000000017', 'Item');"
                      "insert into invn_sbs values (1, 1, 'V1', null, 1);"
                      "insert into invn_sbs_qty values (1, 1, 1, " + std::string(row.on_hand) + ");"
                      "insert into version values (0, '9.30', '9.30.0.161');" +
                      SalesOrder(kOpenSo, "10, 1, 1, " + std::string(row.ordered) + ", 0"));
    TVerrinConnection connection;
    connection.SetConnectionString(SessionConnectionString(test::SqliteDescriptor(db)));
    connection.Open();
    const auto query = OpenQueryOnInventory(connection, 1, 1, 0.0);
    ASSERT_FALSE(query->Eof()) << row.on_hand;
    EXPECT_EQ(query->FieldByName("availqty").number(), row.available) << row.on_hand << " - " << row.ordered;
    EXPECT_EQ(query->FieldByName("committedqty").number(), std::stod(row.ordered)) << row.ordered;
  }
}

}  // namespace
}  // namespace lumora
