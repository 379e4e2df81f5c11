#include "tests/configurator/qt_test_support.h"

#include "foundation/exceptions.h"

namespace lumora::test {
namespace {

class TRecordedWait final : public TWaitMessage {
 public:
  explicit TRecordedWait(TRecordingMessages& owner) : owner_(owner) {}
  ~TRecordedWait() override { Hide(); }
  void Hide() override {
    if (!owner_.wait_visible) return;
    owner_.wait_visible = false;
    owner_.events.push_back("wait hidden");
  }

 private:
  TRecordingMessages& owner_;
};

class TTableSource final : public TRecordSource {
 public:
  TTableSource(TTable table, bool open) : table_(std::move(table)), open_(open) {}
  int RecordCount() override {
    Check();
    return static_cast<int>(table_.rows.size());
  }
  std::vector<std::string> ColumnNames() override { return table_.columns; }
  bool Eof() override {
    Check();
    return row_ >= table_.rows.size();
  }
  void Next() override { ++row_; }
  DbValue Field(std::string_view name) override {
    for (std::size_t i = 0; i < table_.columns.size(); ++i) {
      if (table_.columns[i] == name) return table_.rows.at(row_).at(i);
    }
    throw Exception("Field '" + std::string(name) + "' not found");
  }
  DbValue FieldAt(int index) override {
    return table_.rows.at(row_).at(static_cast<std::size_t>(index));
  }

 private:
  void Check() const {
    if (!open_) throw Exception("Cannot perform this operation on a closed dataset");
  }
  TTable table_;
  bool open_;
  std::size_t row_ = 0;
};

}  // namespace

QApplication& App() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

TRecordingMessages::TRecordingMessages() { SetMessages(this); }
TRecordingMessages::~TRecordingMessages() { SetMessages(nullptr); }

void TRecordingMessages::ShowMessage(QWidget*, const QString& text) {
  events.push_back("message: " + text.toStdString());
  if (on_message) on_message();
}

void TRecordingMessages::ShowError(QWidget*, const QString& text) {
  events.push_back("error: " + text.toStdString());
}

std::unique_ptr<TWaitMessage> TRecordingMessages::ShowWait(QWidget*, const QString& text) {
  events.push_back("wait: " + text.toStdString());
  wait_visible = true;
  return std::make_unique<TRecordedWait>(*this);
}

void TFakeStoreDatabase::GetSession() {
  ++session_calls;
  if (fail_session) throw Exception("ORA-12541: TNS:no listener");
  ++sessions_held;
}

void TFakeStoreDatabase::ReleaseSession() { --sessions_held; }

std::unique_ptr<TRecordSource> TFakeStoreDatabase::OpenQueryOnStores(std::function<void()> pump) {
  if (while_opening) while_opening();
  pump();
  return std::make_unique<TTableSource>(stores, !stores_unopened);
}

std::unique_ptr<TRecordSource> TFakeStoreDatabase::OpenQueryOnInventory(int ASbsNo, int AStoreNo) {
  const auto found = inventory.find({ASbsNo, AStoreNo});
  TTable table = found != inventory.end()
                     ? found->second
                     : TTable{{"ITEM_SID", "UPC", "LOCAL_UPC", "OHQTY", "COMMITTEDQTY", "AVAILQTY"},
                              {}};
  return std::make_unique<TTableSource>(std::move(table), true);
}

std::vector<DbValue> StoreRow(int sbs_no, const std::string& sbs_name, int store_no,
                              const std::string& store_code, const std::string& store_name) {
  return {DbValue::Integer(sbs_no), DbValue::Integer(store_no), DbValue::DriverText(store_code),
          DbValue::DriverText(store_name), DbValue::DriverText(sbs_name)};
}

TTable StoreTable(std::vector<std::vector<DbValue>> rows) {
  return {{"sbs_no", "store_no", "store_code", "store_name", "sbs_name"}, std::move(rows)};
}

}  // namespace lumora::test
