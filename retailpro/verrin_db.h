#pragma once

// The database layer: a connection configured by an OLE DB connection string
// and forward-only datasets over it. Provider "OraOLEDB.Oracle" is served by
// the embedded engine when the descriptor's ADDRESS names
// (PROTOCOL = SQLITE)(FILE = <path>), and by the installed Oracle client for
// every other data source.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/db_value.h"
#include "retailpro/db_engine.h"

namespace lumora {

// The provider name the connection string carries.
inline constexpr std::string_view kOracleProvider = "OraOLEDB.Oracle";

// A database connection. Not thread-safe: its users take turns.
class TVerrinConnection {
 public:
  TVerrinConnection() = default;
  ~TVerrinConnection();
  TVerrinConnection(const TVerrinConnection&) = delete;
  TVerrinConnection& operator=(const TVerrinConnection&) = delete;

  void SetConnectionString(std::string text) { connection_string_ = std::move(text); }
  const std::string& ConnectionString() const { return connection_string_; }
  // Kept for the callers' sake: nobody is ever asked for a password here.
  void SetLoginPrompt(bool value) { login_prompt_ = value; }
  bool LoginPrompt() const { return login_prompt_; }

  // Connects with the connection string; raises EDatabaseError on failure and
  // stays unconnected.
  void Open();
  void Close();
  bool Connected() const { return engine_ != nullptr; }

  // The engine of a connected connection; raises when not connected.
  DbEngine& Engine();

 private:
  std::string connection_string_;
  bool login_prompt_ = true;
  std::unique_ptr<DbEngine> engine_;
};

// A forward-only SQL query on a connection: set the text and the named
// parameters, open, then read the current row and move on until Eof.
class TVerrinDataset {
 public:
  explicit TVerrinDataset(TVerrinConnection& connection) : connection_(&connection) {}
  TVerrinDataset(const TVerrinDataset&) = delete;
  TVerrinDataset& operator=(const TVerrinDataset&) = delete;

  void SetSQL(std::string text);
  const std::string& SQL() const { return sql_; }
  // Off: numeric values arrive as 64-bit floating point, not as integers.
  void SetEnableBCD(bool value) { enable_bcd_ = value; }
  bool EnableBCD() const { return enable_bcd_; }
  // Sets the value of a named parameter of the SQL text (name without ":").
  void SetParameter(std::string_view name, DbValue value);

  // Executes the text and reads the first row. Raises EDatabaseError.
  void Open();
  void Close();
  bool Active() const { return cursor_ != nullptr; }

  bool Eof() const;
  void Next();
  // Rows of the whole result, counted by the engine on first request.
  std::int64_t RecordCount();

  int FieldCount() const;
  const std::string& FieldName(int index) const;
  // The index of a field (names match without regard to case); -1 if none.
  int FindField(std::string_view name) const;
  // The current row's value of a field. Raises when the dataset is closed,
  // at its end, or has no such field.
  const DbValue& FieldByName(std::string_view name) const;
  const DbValue& Field(int index) const;
  bool IsNull(std::string_view name) const { return FieldByName(name).IsNull(); }

 private:
  void CheckActive() const;

  TVerrinConnection* connection_;
  std::string sql_;
  bool enable_bcd_ = true;
  std::vector<DbParameter> parameters_;
  std::unique_ptr<DbCursor> cursor_;
  std::vector<DbValue> row_;
  bool eof_ = true;
  std::optional<std::int64_t> record_count_;
};

}  // namespace lumora
