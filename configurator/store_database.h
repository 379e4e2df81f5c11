#pragma once

// What the configurator's windows need from the Retail Pro database: the
// shared session and the store and inventory queries, behind an interface so
// the windows can be driven by a demo database or a fake.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/db_value.h"
#include "retailpro/session_hold.h"

namespace lumora {

// An opened query as the windows read it: records in query order, fields by
// column name. Asking an unopened query for anything raises.
class TRecordSource {
 public:
  virtual ~TRecordSource() = default;
  virtual int RecordCount() = 0;
  virtual std::vector<std::string> ColumnNames() = 0;
  virtual bool Eof() = 0;
  virtual void Next() = 0;
  virtual DbValue Field(std::string_view name) = 0;
  virtual DbValue FieldAt(int index) = 0;
};

// The session (a TSessionSource) and the two queries, called on the GUI
// thread.
class TStoreDatabase : public TSessionSource {
 public:
  // The active stores; opens on a worker thread while `pump` keeps the
  // window's messages moving. A failed open gives an unopened query.
  virtual std::unique_ptr<TRecordSource> OpenQueryOnStores(std::function<void()> pump) = 0;
  // The inventory rows of one store, opened on the calling thread.
  virtual std::unique_ptr<TRecordSource> OpenQueryOnInventory(int ASbsNo, int AStoreNo) = 0;
};

}  // namespace lumora
