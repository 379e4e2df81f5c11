#include "retailpro/verrin_db.h"

#include "retailpro/connection_string.h"
#include "retailpro/oracle/oracle_engine.h"
#include "retailpro/sqlite/sqlite_engine.h"
#include "foundation/text.h"
#include "retailpro/uQzOraUtils.h"

namespace lumora {

TVerrinConnection::~TVerrinConnection() = default;

void TVerrinConnection::Open() {
  if (engine_) return;
  const ConnectionSettings settings = ParseConnectionString(connection_string_);
  if (!SameText(settings.provider, kOracleProvider)) {
    throw EDatabaseError("Provider \"" + settings.provider + "\" is not available");
  }
  if (Trim(settings.data_source).empty()) {
    throw EDatabaseError("The connection string names no data source");
  }
  // The embedded engine serves the demo and test databases; every other data
  // source is a real Oracle database, reached through the installed client
  // with the descriptor exactly as tnsnames.ora gives it.
  const auto address = ParseDescriptorAddress(settings.data_source);
  if (address && SameText(address->protocol, "SQLITE")) {
    if (address->file.empty()) throw EDatabaseError("The SQLITE data source names no FILE");
    engine_ = OpenSqliteEngine(address->file);
    return;
  }
  engine_ = OpenOracleEngine({OracleClientLibraryDir()}, settings.data_source, settings.user_id,
                             settings.password);
}

void TVerrinConnection::Close() { engine_.reset(); }

DbEngine& TVerrinConnection::Engine() {
  if (!engine_) throw EDatabaseError("Connection is not open");
  return *engine_;
}

void TVerrinDataset::SetSQL(std::string text) {
  Close();
  sql_ = std::move(text);
}

void TVerrinDataset::SetParameter(std::string_view name, DbValue value) {
  for (auto& parameter : parameters_) {
    if (SameText(parameter.name, name)) {
      parameter.value = std::move(value);
      return;
    }
  }
  parameters_.push_back({std::string(name), std::move(value)});
}

void TVerrinDataset::Open() {
  Close();
  cursor_ = connection_->Engine().Execute(sql_, parameters_, !enable_bcd_);
  // Reading the first row at once makes Eof answer "empty result" right after
  // Open, and surfaces errors that SQLite reports only when a row is stepped.
  try {
    eof_ = !cursor_->Fetch(row_);
  } catch (...) {
    cursor_.reset();
    throw;
  }
}

void TVerrinDataset::Close() {
  cursor_.reset();
  row_.clear();
  eof_ = true;
  record_count_.reset();
}

void TVerrinDataset::CheckActive() const {
  if (!cursor_) throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

bool TVerrinDataset::Eof() const {
  CheckActive();
  return eof_;
}

void TVerrinDataset::Next() {
  CheckActive();
  if (!eof_) eof_ = !cursor_->Fetch(row_);
}

std::int64_t TVerrinDataset::RecordCount() {
  CheckActive();
  // The rows stream as they are read, so their number comes from a separate
  // count; callers ask once, before reading.
  if (!record_count_) record_count_ = connection_->Engine().CountRows(sql_, parameters_);
  return *record_count_;
}

int TVerrinDataset::FieldCount() const {
  CheckActive();
  return static_cast<int>(cursor_->ColumnNames().size());
}

const std::string& TVerrinDataset::FieldName(int index) const {
  CheckActive();
  return cursor_->ColumnNames().at(static_cast<std::size_t>(index));
}

int TVerrinDataset::FindField(std::string_view name) const {
  CheckActive();
  const auto& names = cursor_->ColumnNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (SameText(names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

const DbValue& TVerrinDataset::FieldByName(std::string_view name) const {
  const int index = FindField(name);
  if (index < 0) throw EDatabaseError("Field '" + std::string(name) + "' not found");
  return Field(index);
}

const DbValue& TVerrinDataset::Field(int index) const {
  CheckActive();
  if (eof_) throw EDatabaseError("The dataset is at its end: no current record");
  return row_.at(static_cast<std::size_t>(index));
}

}  // namespace lumora
