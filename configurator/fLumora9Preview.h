#pragma once

// The inventory preview: the rows the service would read for one store, in a
// read-only table.

#include <QDialog>
#include <QTableWidget>

#include "configurator/store_database.h"

namespace lumora {

// The preview window. Created for one use by the configuration window.
class TfrmPreview : public QDialog {
  Q_OBJECT

 public:
  TfrmPreview(TStoreDatabase& database, QWidget* parent = nullptr);

  // Opens the store's inventory and shows it modally; returns when the
  // window is closed, or at once when the store has no rows. Errors are
  // logged and raised.
  void Execute(int ASbsNo, int AStoreNo);

  QTableWidget* DBGrid1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  // Execute between its trace lines: everything it takes is freed when it
  // returns, after a failure is logged.
  void ShowInventory(int ASbsNo, int AStoreNo);
  void FillGrid(TRecordSource& query);

  TStoreDatabase& database_;
};

// "Subsidiary 1   Store 3".
QString PreviewCaption(int ASbsNo, int AStoreNo);

}  // namespace lumora
