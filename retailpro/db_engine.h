#pragma once

// The seam between the database layer (TVerrinConnection, TVerrinDataset) and
// the engine that executes its SQL. The product's SQL texts are Oracle SQL; an
// engine runs them exactly as passed, supplying whatever Oracle words it lacks.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/db_value.h"
#include "foundation/exceptions.h"

namespace lumora {

// Any failure of the database layer or its engine: connecting, preparing,
// binding, reading.
LUMORA_DECLARE_EXCEPTION(EDatabaseError, Exception);

// A named parameter (":sbs_no" in the SQL text is named "sbs_no").
struct DbParameter {
  std::string name;
  DbValue value;
};

// One executing statement whose rows are read forward only. Used by one
// thread at a time; it must not outlive its engine.
class DbCursor {
 public:
  virtual ~DbCursor() = default;
  // Column names as the engine reports them, one per value of a row.
  virtual const std::vector<std::string>& ColumnNames() const = 0;
  // Reads the next row into `row`; false when there is none left.
  virtual bool Fetch(std::vector<DbValue>& row) = 0;
};

// What the database layer needs from an engine. Called by one thread at a
// time (the session's users take turns).
class DbEngine {
 public:
  virtual ~DbEngine() = default;
  // Starts a statement. With numbers_as_float, every numeric value arrives as
  // a 64-bit floating-point value, the way fields without fixed-point decimals
  // deliver them.
  virtual std::unique_ptr<DbCursor> Execute(std::string_view sql,
                                            const std::vector<DbParameter>& parameters,
                                            bool numbers_as_float) = 0;
  // How many rows the statement yields, without delivering them.
  virtual std::int64_t CountRows(std::string_view sql,
                                 const std::vector<DbParameter>& parameters) = 0;
};

}  // namespace lumora
