#include "DesktopStyle.h"

#include <QApplication>
#include <QFocusFrame>
#include <QIconEngine>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>
#include <optional>

#include "Ink.h"

namespace platform::detail {
namespace {

// An icon that asks the style for the real one the first time it is drawn or measured.
class DeferredIcon final : public QIconEngine {
 public:
  explicit DeferredIcon(QStyle::StandardPixmap which) : which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Real().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Real().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Real().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Real().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIcon(which_); }

 private:
  const QIcon& Real() {
    if (!real_) {
      // The style in force now: the application may have been given another since.
      QStyle* style = QApplication::style();
      if (auto* lazy = dynamic_cast<DesktopStyle*>(style)) style = lazy->baseStyle();
      real_ = style->standardIcon(which_);
    }
    return *real_;
  }

  QStyle::StandardPixmap which_;
  std::optional<QIcon> real_;
};

constexpr int kRingWidth = 2;
// Between the ring and the control's own border.
constexpr int kRingGap = 1;

void DrawRing(QPainter* painter, const QRect& box, const QPalette& palette) {
  const QColor colour = FocusRingColour(palette);
  const int w = kRingWidth;
  painter->fillRect(box.left(), box.top(), box.width(), w, colour);
  painter->fillRect(box.left(), box.bottom() - w + 1, box.width(), w, colour);
  painter->fillRect(box.left(), box.top() + w, w, box.height() - 2 * w, colour);
  painter->fillRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w, colour);
}

// Puts the window's focus ring around the widget that now has the focus. A menu bar marks its
// own title, and a popup's list its current row; a window that has lost the focus shows no ring.
void MoveRing(QWidget* before, QWidget* now) {
  if (before != nullptr && (now == nullptr || before->window() != now->window())) {
    if (auto* ring = before->window()->findChild<QFocusFrame*>()) ring->setWidget(nullptr);
  }
  if (now == nullptr || now->isWindow() || now->window()->windowType() == Qt::Popup) return;
  auto* ring = now->window()->findChild<QFocusFrame*>();
  if (ring == nullptr) ring = new QFocusFrame(now->window());
  ring->setWidget(qobject_cast<QMenuBar*>(now) != nullptr ? nullptr : now);
}

}  // namespace

void DesktopStyle::polish(QApplication* application) {
  QProxyStyle::polish(application);
  followFocus_ = QObject::connect(application, &QApplication::focusChanged, application, MoveRing);
}

void DesktopStyle::unpolish(QApplication* application) {
  QObject::disconnect(followFocus_);
  QProxyStyle::unpolish(application);
}

void DesktopStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  if (element == CE_FocusFrame) {
    DrawRing(painter, option->rect, option->palette);
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
  // A title the keyboard reached is selected, but not pressed as an open menu's title is.
  const bool reached = option->state.testFlag(State_Selected) &&
                       !option->state.testFlag(State_Sunken) && widget != nullptr &&
                       widget->hasFocus();
  // Just inside the title's box, clear of the menu bar's bottom line: that line is drawn across
  // the box's last row, and half a row above it on a screen scaled by 2.
  if (element == CE_MenuBarItem && reached) {
    DrawRing(painter, option->rect.adjusted(kRingGap, kRingGap, -kRingGap, -kRingGap - 1),
             option->palette);
  }
}

int DesktopStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
  const bool ring = option != nullptr && qobject_cast<QFocusFrame*>(option->styleObject);
  if (ring && (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)) {
    return kRingWidth + kRingGap;
  }
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QIcon DesktopStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new DeferredIcon(icon));
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace platform::detail
