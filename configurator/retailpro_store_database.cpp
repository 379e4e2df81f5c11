#include "configurator/retailpro_store_database.h"

#include "retailpro/uLumoraRPro9ConnectorSQLs.h"

namespace lumora {
namespace {

// A TVerrinDataset read through the windows' record interface.
class TDatasetSource final : public TRecordSource {
 public:
  explicit TDatasetSource(std::unique_ptr<TVerrinDataset> dataset)
      : dataset_(std::move(dataset)) {}

  int RecordCount() override { return static_cast<int>(dataset_->RecordCount()); }
  std::vector<std::string> ColumnNames() override {
    std::vector<std::string> names;
    for (int i = 0; i < dataset_->FieldCount(); ++i) names.push_back(dataset_->FieldName(i));
    return names;
  }
  bool Eof() override { return dataset_->Eof(); }
  void Next() override { dataset_->Next(); }
  DbValue Field(std::string_view name) override { return dataset_->FieldByName(name); }
  DbValue FieldAt(int index) override { return dataset_->Field(index); }

 private:
  std::unique_ptr<TVerrinDataset> dataset_;
};

class TRetailProStoreDatabase final : public TStoreDatabase {
 public:
  void GetSession() override { lumora::GetSession(); }
  void ReleaseSession() override { lumora::ReleaseSession(); }
  std::unique_ptr<TRecordSource> OpenQueryOnStores(std::function<void()> pump) override {
    return std::make_unique<TDatasetSource>(lumora::OpenQueryOnStores(SessionConnection(), pump));
  }
  std::unique_ptr<TRecordSource> OpenQueryOnInventory(int ASbsNo, int AStoreNo) override {
    // The since-time takes no part in the query; the preview passes "never".
    return std::make_unique<TDatasetSource>(
        lumora::OpenQueryOnInventory(SessionConnection(), ASbsNo, AStoreNo, 0.0));
  }
};

}  // namespace

std::unique_ptr<TStoreDatabase> CreateRetailProStoreDatabase() {
  return std::make_unique<TRetailProStoreDatabase>();
}

}  // namespace lumora
