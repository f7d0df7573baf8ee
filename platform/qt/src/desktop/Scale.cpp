#include "desktop/Scale.h"

#include <QApplication>
#include <QFont>
#include <QRect>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace platform::detail {
namespace {

double DesktopPointSize(const QFont& font) {
  if (font.pointSizeF() > 0) return font.pointSizeF();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
  return font.pixelSize() * 72.0 / dpi;
}

double typeScale = 0;
double boxScale = 0;

void ApplyDefaultFont() {
  QFont font = QApplication::font();
  if (font.pixelSize() == PixelSize(0)) return;
  font.setPixelSize(PixelSize(0));
  // Captions, numbers and menus need no kerning or ligatures; without shaping every edit of a
  // field costs about a fifth less.
  font.setStyleStrategy(QFont::PreferNoShaping);
  QApplication::setFont(font);
}

}  // namespace

double DesktopScale() {
  static const double scale =
      std::max(1.0, DesktopPointSize(QGuiApplication::font()) / kLargestShippedPointSize);
  return scale;
}

double TypeScale() { return typeScale > 0 ? typeScale : DesktopScale(); }

double BoxScale() { return boxScale > 0 ? boxScale : DesktopScale(); }

void SetScales(double type, double box) {
  DesktopScale();  // read from the desktop's font before it is replaced
  typeScale = type;
  boxScale = box;
  ApplyDefaultFont();
}

int Scaled(int designLength) { return static_cast<int>(std::lround(designLength * BoxScale())); }

QRect ScaledBox(const Box& box) {
  return QRect(QPoint(Scaled(box.left), Scaled(box.top)),
               QPoint(Scaled(box.left + box.width) - 1, Scaled(box.top + box.height) - 1));
}

int PixelSize(float designSize) {
  return static_cast<int>(
      std::lround((designSize > 0 ? designSize : kDefaultPixelSize) * TypeScale()));
}

void UseDefaultPixelSize() {
  DesktopScale();  // read from the desktop's font before it is replaced
  ApplyDefaultFont();
}

}  // namespace platform::detail
