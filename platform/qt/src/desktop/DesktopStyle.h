#pragma once

// desktop/: how the window looks on the desktop it runs on: the style, the design's colours made
// legible on the theme's, the design's scale for the desktop's font and screen, the focus ring.

#include <QProxyStyle>

namespace platform::detail {

// The desktop's style with what the window adds to it: the menu bar's overflow icon loaded only
// when drawn (DeferredIcon), Qt's focus frame as wide as the focus ring (FocusRing) and unmasked
// (the ring paints only its band, and a mask costs a millisecond at start-up), and the
// ring just inside a menu title the keyboard has reached (Alt, F10), which Qt's styles leave
// unmarked. An open menu's title is marked as pressed by the style itself.
class DesktopStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    return hint == SH_FocusFrame_Mask ? 0 : QProxyStyle::styleHint(hint, option, widget, returned);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};

// The application style's `icon`, asked of the style only when it is first drawn or measured.
// Every menu bar makes an overflow button, hidden until the menus do not fit; loading its icon
// looks through Qt's image format plugins, which a window whose menus always fit, as this one's
// do, never needs (1.4 ms of a 35 ms start, 0.7 MiB).
QIcon DeferredIcon(QStyle::StandardPixmap icon);

// Gives the application the style the desktop asks for (or the one `-style` names), as a
// DesktopStyle. On Windows 10 in dark mode, where Qt's native style can only draw a light
// palette, Fusion draws the window in the desktop's dark colours; the choice is made again when
// the desktop's mode changes. The runtime calls it once.
void UseDesktopStyle();

}  // namespace platform::detail
