#include "configurator/product_mark.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace lumora {
namespace {

const QColor kDeepTeal(0x0b, 0x4f, 0x6c);
const QColor kTeal(0x1b, 0x8a, 0x9e);
const QColor kAmber(0xf2, 0xb1, 0x34);

// The mark inside `area` (square): a tile, three shelf bars of decreasing
// length and a light beam over them.
void PaintMark(QPainter& painter, const QRectF& area) {
  const qreal side = std::min(area.width(), area.height());
  const QRectF tile(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
  QLinearGradient fill(tile.topLeft(), tile.bottomRight());
  fill.setColorAt(0.0, kTeal);
  fill.setColorAt(1.0, kDeepTeal);
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  painter.drawRoundedRect(tile, side * 0.18, side * 0.18);

  painter.setBrush(Qt::white);
  const qreal bar_height = side * 0.11;
  const qreal left = tile.left() + side * 0.2;
  for (int i = 0; i < 3; ++i) {
    const qreal width = side * (0.6 - 0.14 * i);
    const qreal top = tile.bottom() - side * 0.22 - i * bar_height * 1.6;
    painter.drawRoundedRect(QRectF(left, top, width, bar_height), bar_height / 2, bar_height / 2);
  }
  QPainterPath beam;
  beam.moveTo(tile.left() + side * 0.62, tile.top() + side * 0.16);
  beam.lineTo(tile.left() + side * 0.84, tile.top() + side * 0.16);
  beam.lineTo(tile.left() + side * 0.84, tile.top() + side * 0.38);
  beam.closeSubpath();
  painter.setBrush(kAmber);
  painter.drawPath(beam);
}

}  // namespace

QPixmap DrawProductMark(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintMark(painter, QRectF(QPointF(2, 2), QSizeF(size) - QSizeF(4, 4)));
  return pixmap;
}

QPixmap DrawAboutPicture(QSize size) {
  QPixmap pixmap(size);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, size.width(), size.height());
  background.setColorAt(0.0, QColor(0xf4, 0xf8, 0xfa));
  background.setColorAt(1.0, QColor(0xdc, 0xea, 0xef));
  painter.fillRect(pixmap.rect(), background);
  painter.fillRect(QRect(0, 0, size.width() * 3 / 5, size.height()), kDeepTeal);

  const int mark_side = size.height() / 3;
  PaintMark(painter, QRectF(32, 40, mark_side, mark_side));

  painter.setPen(Qt::white);
  QFont title = painter.font();
  title.setPointSize(22);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRect(32, 60 + mark_side, size.width() / 2, 40), Qt::AlignLeft, "Lumora");
  QFont subtitle = title;
  subtitle.setPointSize(11);
  subtitle.setBold(false);
  painter.setFont(subtitle);
  painter.drawText(QRect(32, 104 + mark_side, size.width() / 2, 60), Qt::AlignLeft,
                   "Inventory connector\nfor Retail Pro 9");
  return pixmap;
}

}  // namespace lumora
