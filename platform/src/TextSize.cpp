#include "TextSize.h"

#include <QApplication>
#include <QFont>

namespace platform::detail {

void UseDefaultPixelSize() {
  QFont font = QApplication::font();
  if (font.pixelSize() == kDefaultPixelSize) return;
  font.setPixelSize(kDefaultPixelSize);
  // Captions, numbers and menus need no kerning or ligatures; without shaping every edit of a
  // field costs about a fifth less, and one holding a megabyte about a third less.
  font.setStyleStrategy(QFont::PreferNoShaping);
  QApplication::setFont(font);
}

}  // namespace platform::detail
