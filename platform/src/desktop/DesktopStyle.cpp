#include "desktop/DesktopStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleHints>

#include "desktop/DeferredIcon.h"

namespace platform::detail {

void UseDesktopStyle() {
  // With no base of its own, the wrapper takes the style named by `-style`, or else the
  // desktop's, as Qt itself would.
  auto* style = new DeferredIconStyle;
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
}

}  // namespace platform::detail
