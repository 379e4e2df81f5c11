#include "configurator/client_id_panel.h"

namespace lumora {
namespace {

// A column label: it keeps to its column (the full text stays in the tool
// tip) so long names do not run into the next column.
QLabel* ColumnLabel(QWidget* row, const QString& text, int left, int width) {
  auto* label = new QLabel(text, row);
  label->setGeometry(left, 6, width, label->sizeHint().height());
  label->setToolTip(text);
  return label;
}

}  // namespace

TClientIDPanel::TClientIDPanel(const QString& ASbsNo, const QString& ASbsName,
                               const QString& AStoreNo, const QString& AStoreCode,
                               const QString& AStoreName, const QString& AClientID,
                               QWidget* parent)
    : TControlPanel(parent) {
  namespace col = client_id_columns;
  lblSbsNo = ColumnLabel(this, ASbsNo, col::kSbsNo, col::kSbsName - col::kSbsNo - 2);
  lblSbsName = ColumnLabel(this, ASbsName, col::kSbsName, col::kStoreNo - col::kSbsName - 2);
  lblStoreNo = ColumnLabel(this, AStoreNo, col::kStoreNo, col::kStoreCode - col::kStoreNo - 2);
  lblStoreCode =
      ColumnLabel(this, AStoreCode, col::kStoreCode, col::kStoreName - col::kStoreCode - 2);
  lblStoreName =
      ColumnLabel(this, AStoreName, col::kStoreName, col::kClientID - col::kStoreName - 2);
  lblSbsNo->setObjectName("lblSbsNo");
  lblSbsName->setObjectName("lblSbsName");
  lblStoreNo->setObjectName("lblStoreNo");
  lblStoreCode->setObjectName("lblStoreCode");
  lblStoreName->setObjectName("lblStoreName");

  edtClientID = new QLineEdit(AClientID, this);
  edtClientID->setObjectName("edtClientID");
  edtClientID->setGeometry(col::kClientID, 2, 72, edtClientID->sizeHint().height());

  btnPreview = new QPushButton(QStringLiteral("Preview"), this);
  btnPreview->setObjectName("btnPreview");
  btnPreview->setGeometry(col::kPreview, 4, 49, 17);
  btnPreview->setStyleSheet(QStringLiteral("padding: 0px;"));
  connect(btnPreview, &QPushButton::clicked, this, [this] { emit PreviewClicked(btnPreview); });
}

}  // namespace lumora
