#pragma once

// Creates Retail Pro databases for the embedded engine: an empty one with the
// schema, or one filled with demo data.

#include <cstdint>
#include <string>

namespace lumora {

// The schema's SQL text (retailpro/schema/retailpro_schema.sql).
const char* RetailProSchemaSql();

// Creates a new database file with the schema and no rows. Without
// local_upc, invn_sbs lacks its LOCAL_UPC column, as in older installations.
// Raises EDatabaseError, also when the file exists already.
void CreateRetailProDatabase(const std::string& path, bool local_upc = true);

// What the demo database holds. The same options give the same file.
struct DemoDatabaseOptions {
  std::uint64_t seed = 1;
  int subsidiaries = 2;
  int stores_per_subsidiary = 4;  // every fourth store is inactive
  int items = 5000;
  int sales_orders = 500;
  int transfer_orders = 200;
  bool local_upc = true;
  // "yyyy-mm-dd": the day order dates are spread around (cancel dates fall
  // between 20 days before and 20 days after it). Empty means today.
  std::string today;
};

// Creates a demo database: subsidiaries, stores (some inactive), items (some
// inactive, some without UPC, some with a local UPC only, some negative or
// fractional quantities), open and closed sales and transfer orders. The
// local store is store 1 of subsidiary 1.
void CreateDemoDatabase(const std::string& path, const DemoDatabaseOptions& options);

}  // namespace lumora
