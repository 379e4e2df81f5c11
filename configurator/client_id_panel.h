#pragma once

// One store row of the client-ID grid: subsidiary and store, the client-ID
// edit and the "Preview" button.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string_view>

#include "configuration/client_id_entry.h"

#include "configurator/uQzControlGrid.h"

namespace lumora {

// A store row. Its texts are fixed when it is created; only the client ID is
// edited.
class TClientIDPanel : public TControlPanel {
  Q_OBJECT

 public:
  TClientIDPanel(const QString& ASbsNo, const QString& ASbsName, const QString& AStoreNo,
                 const QString& AStoreCode, const QString& AStoreName, const QString& AClientID,
                 QWidget* parent = nullptr);

  // The store this row stands for, kept from the creation arguments: the key
  // its client-ID entry is saved under and the numbers the preview queries.
  const TStoreName& StoreName() const { return FStoreName; }
  // The key a row created with ASbsNo and AStoreNo has.
  static TStoreName StoreNameOf(std::string_view ASbsNo, std::string_view AStoreNo);

  QLabel* lblSbsNo;
  QLabel* lblSbsName;
  QLabel* lblStoreNo;
  QLabel* lblStoreCode;
  QLabel* lblStoreName;
  QLineEdit* edtClientID;
  QPushButton* btnPreview;

 signals:
  // The "Preview" button was clicked; the argument is the button.
  void PreviewClicked(QPushButton* Sender);

 private:
  TStoreName FStoreName;
};

// Left edges of the row's columns, shared with the column headings above the
// grid so the two line up.
namespace client_id_columns {
inline constexpr int kSbsNo = 8;
inline constexpr int kSbsName = 44;
inline constexpr int kStoreNo = 171;
inline constexpr int kStoreCode = 207;
inline constexpr int kStoreName = 263;
inline constexpr int kClientID = 383;
inline constexpr int kPreview = 461;
}  // namespace client_id_columns

}  // namespace lumora
