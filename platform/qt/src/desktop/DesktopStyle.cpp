#include "desktop/DesktopStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleHints>
#include <QStyleOption>
#include <QWidget>

#include "desktop/FocusRing.h"
#include "desktop/Scale.h"

namespace platform::detail {

QIcon DesktopStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return DeferredIcon(icon);
  return QProxyStyle::standardIcon(icon, option, widget);
}

int DesktopStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
  const bool ring = metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin;
  return ring ? Scaled(kRingWidth + kRingGap) : QProxyStyle::pixelMetric(metric, option, widget);
}

// The ring stays clear of the menu bar's bottom line: that line is drawn across the title's last
// row, and half a row above it on a screen scaled by 2. The menu bar has the focus only while
// the keyboard moves through its titles, not while the pointer hovers over one.
void DesktopStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element != CE_MenuBarItem || widget == nullptr || !widget->hasFocus() ||
      !(option->state & State_Selected) || (option->state & State_Sunken)) {
    return;
  }
  const int gap = Scaled(kRingGap);
  DrawRing(*painter, option->rect.adjusted(gap, gap, -gap, -gap - 1), option->palette);
}

#if defined(_WIN32)
namespace {

// Qt's native style for Windows 10 ("windowsvista") draws a list's rows with the theme of a
// hidden native window it makes the first time it draws one. Under Wine, making that window
// takes the keyboard focus from the window that shows the list: the material list, opened for
// the first time, closed before it showed, and the window took no key until clicked. A row
// drawn here, before the window shows, makes it then.
void PrepareListRows(const QStyle& style) {
  QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  QStyleOptionViewItem row;
  row.rect = image.rect();
  row.state = QStyle::State_Enabled | QStyle::State_Active | QStyle::State_Selected;
  style.drawPrimitive(QStyle::PE_PanelItemViewItem, &row, &painter);
}

}  // namespace
#endif

void UseDesktopStyle() {
  // With no base of its own, the wrapper takes the style named by `-style`, or else the
  // desktop's, as Qt itself would.
  auto* style = new DesktopStyle;
#if defined(_WIN32) && QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // Qt's native style for Windows before 11 ("windowsvista") writes the light system palette
  // over the dark one (QWindowsVistaStyle::polish, checked on Qt 6.8); Fusion draws the dark
  // palette that Qt's Windows theme gives. Windows 11's own style ("windows11", from Qt 6.7)
  // follows the mode itself.
  if (QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark &&
      style->baseStyle()->name().compare(QLatin1String("windowsvista"), Qt::CaseInsensitive) == 0) {
    style->setBaseStyle(QStyleFactory::create(QStringLiteral("fusion")));
  }
  static const auto following =
      QObject::connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, qApp,
                       [] { UseDesktopStyle(); });
  Q_UNUSED(following);
#endif
  QApplication::setStyle(style);
#if defined(_WIN32)
  PrepareListRows(*style);
#endif
}

}  // namespace platform::detail
