#include "desktop/FocusRing.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>

#include "desktop/Ink.h"
#include "desktop/Scale.h"

namespace platform::detail {
namespace {

// Qt's focus frame, laid around the focused control as wide as the style's focus frame margins
// (DesktopStyle gives them the ring's width and gap) and beneath it, drawn as the ring.
class Ring final : public QFocusFrame {
 public:
  explicit Ring(QWidget* window) : QFocusFrame(window), window_(window) {
    QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      const bool ringed = now != nullptr && now->window() == window_ && now != window_ &&
                          now->parentWidget() != window_;  // the menu bar marks its own titles
      setWidget(ringed ? now : nullptr);
    });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawRing(painter, rect(), palette());
  }

 private:
  QWidget* window_;
};

}  // namespace

void RingFocus(QWidget* window) { new Ring(window); }

void DrawRing(QPainter& painter, const QRect& box, const QPalette& palette) {
  const QColor color = FocusRingColor(palette);
  const int w = std::min({Scaled(kRingWidth), box.width() / 2, box.height() / 2});
  painter.fillRect(box.left(), box.top(), box.width(), w, color);
  painter.fillRect(box.left(), box.bottom() - w + 1, box.width(), w, color);
  painter.fillRect(box.left(), box.top() + w, w, box.height() - 2 * w, color);
  painter.fillRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w, color);
}

}  // namespace platform::detail
