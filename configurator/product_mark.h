#pragma once

// The product's pictures, drawn in code: the logo mark the windows show and
// the About window's background.

#include <QPixmap>
#include <QSize>

namespace lumora {

// The Lumora mark: a rounded tile with stacked inventory bars and a beam.
QPixmap DrawProductMark(QSize size);
// The About window's picture, with the mark and the product name on the left
// and room for the text on the right.
QPixmap DrawAboutPicture(QSize size);

}  // namespace lumora
