#include "desktop/Ink.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform::detail {
namespace {

double Linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color) {
  return 0.2126 * Linear(color.redF()) + 0.7152 * Linear(color.greenF()) +
         0.0722 * Linear(color.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * share));
  };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}

// `ink`, or the nearest colour of its hue that reaches `contrast` on `background`: toward white
// on a dark background, toward black on a light one.
QColor WithContrast(const QColor& ink, const QColor& background, double contrast) {
  if (ContrastRatio(ink, background) >= contrast) return ink;
  const QColor target = Luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
  for (int step = 1; step <= 20; ++step) {
    const QColor mixed = Mix(ink, target, step / 20.0);
    if (ContrastRatio(mixed, background) >= contrast) return mixed;
  }
  return target;
}

// A widget's design colours, kept with the widget, which it gives its palette made legible on
// the theme's: only the roles set here override the theme's, so everything else follows the
// theme. It gives them back whenever anything else sets the widget's palette: a theme such as
// qt6ct's sets its whole palette on every widget after a change, over the design's.
class DesignColors final : public QObject {
  Q_OBJECT

 public:
  explicit DesignColors(QWidget* widget) : QObject(widget), widget_(widget) {
    widget->installEventFilter(this);
  }

  void Set(const QColor& ink, std::optional<QColor> base) {
    ink_ = ink;
    if (base) base_ = base;
    Apply();
  }

  void Apply() {
    const QPalette theme = QGuiApplication::palette();
    const QPalette::ColorRole inkRole = base_ ? QPalette::Text : QPalette::WindowText;
    QPalette colours;
    QColor background = theme.color(QPalette::Window);
    if (base_) {
      background = FieldBase(*base_, theme);
      colours.setColor(QPalette::Base, background);
    }
    colours.setColor(inkRole, LegibleInk(ink_, background, theme.color(inkRole)));
    applying_ = true;
    widget_->setPalette(colours);
    applying_ = false;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange && !applying_) Apply();
    return false;
  }

 private:
  QWidget* widget_;
  QColor ink_;
  std::optional<QColor> base_;
  bool applying_ = false;
};

DesignColors* DesignColorsOf(const QWidget* widget) {
  return widget->findChild<DesignColors*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(const QPalette& palette) {
  return Luminance(palette.color(QPalette::Window)) <
         Luminance(palette.color(QPalette::WindowText));
}

QColor LegibleInk(const QColor& ink, const QColor& background, const QColor& themeInk) {
  if (ContrastRatio(ink, background) >= kLegibleContrast) return ink;
  if (ink.hsvHue() < 0 && ContrastRatio(themeInk, background) >= kLegibleContrast) return themeInk;
  return WithContrast(ink, background, kLegibleContrast);
}

QColor FocusRingColor(const QPalette& palette) {
  return WithContrast(palette.color(QPalette::Highlight), palette.color(QPalette::Window),
                      kIndicatorContrast);
}

QColor FieldBase(const QColor& base, const QPalette& palette) {
  return IsDark(palette) && base == QColor(Qt::white) ? palette.color(QPalette::Base) : base;
}

void UseDesignColors(QWidget* widget, const QColor& ink, std::optional<QColor> base) {
  DesignColors* colours = DesignColorsOf(widget);
  if (colours == nullptr) colours = new DesignColors(widget);
  colours->Set(ink, base);
}

void ReapplyDesignColors() {
  for (const QWidget* widget : QApplication::allWidgets()) {
    if (DesignColors* colours = DesignColorsOf(widget)) colours->Apply();
  }
}

}  // namespace platform::detail

#include "Ink.moc"
