#pragma once

#include <QProxyStyle>

namespace platform::detail {

// The desktop's style, with two changes.
//
// The control that has the keyboard focus is ringed, just outside its box, in the theme's
// highlight colour made to stand at least 3:1 against the window's background; so is a menu
// title the keyboard has reached (Alt, F10), which the desktop's style alone leaves unmarked.
//
// The menu bar's overflow button gets its icon only when the button is first drawn. Every
// menu bar makes that button, hidden until the menus do not fit; loading its icon looks
// through Qt's image format plugins, which a window whose menus always fit, as this one's do,
// never needs.
class DesktopStyle final : public QProxyStyle {
 public:
  void polish(QApplication* application) override;
  void unpolish(QApplication* application) override;
  using QProxyStyle::polish;
  using QProxyStyle::unpolish;

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;

 private:
  QMetaObject::Connection followFocus_;
};

}  // namespace platform::detail
