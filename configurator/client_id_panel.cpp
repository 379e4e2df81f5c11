#include "configurator/client_id_panel.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "foundation/text.h"

namespace lumora {
namespace {

// A label that ends a text too long for it with "…" instead of cutting a
// letter in half. Only the painting is shortened; text() stays whole.
class TElidedLabel final : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                          shown, foregroundRole());
  }
};

// A column label: it keeps to its column (the full text stays in the tool
// tip) so long names do not run into the next column.
QLabel* ColumnLabel(QWidget* row, const QString& text, int left, int width) {
  auto* label = new TElidedLabel(text, row);
  label->setGeometry(left, 6, width, label->sizeHint().height());
  label->setToolTip(text);
  return label;
}

}  // namespace

TStoreName TClientIDPanel::StoreNameOf(std::string_view ASbsNo, std::string_view AStoreNo) {
  return {std::string(Trim(ASbsNo)), std::string(Trim(AStoreNo))};
}

TClientIDPanel::TClientIDPanel(const QString& ASbsNo, const QString& ASbsName,
                               const QString& AStoreNo, const QString& AStoreCode,
                               const QString& AStoreName, const QString& AClientID,
                               QWidget* parent)
    : TControlPanel(parent),
      FStoreName(StoreNameOf(ASbsNo.toStdString(), AStoreNo.toStdString())) {
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
  // The box is narrower than most IDs: it shows their start (where stores'
  // IDs differ least, but where the operator reads them from), and the tool
  // tip shows the whole ID.
  edtClientID->setCursorPosition(0);
  edtClientID->setToolTip(AClientID);
  connect(edtClientID, &QLineEdit::textChanged, edtClientID,
          [this](const QString& text) { edtClientID->setToolTip(text); });

  btnPreview = new QPushButton(QStringLiteral("Preview"), this);
  btnPreview->setObjectName("btnPreview");
  // As tall as the edit beside it, with room around the caption.
  const int caption_width = btnPreview->fontMetrics().horizontalAdvance(btnPreview->text());
  btnPreview->setGeometry(col::kPreview, 2, std::max(49, caption_width + 16),
                          edtClientID->height());
  connect(btnPreview, &QPushButton::clicked, this, [this] { emit PreviewClicked(btnPreview); });
}

}  // namespace lumora
