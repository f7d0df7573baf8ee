#include "desktop/FocusRing.h"

#include <QApplication>
#include <QFocusFrame>
#include <QPainter>

#include "desktop/Ink.h"
#include "desktop/Scale.h"

namespace platform::detail {
namespace {

// Qt's focus frame, laid around the focused control as wide as the style's focus frame margins
// (DesktopStyle gives them the ring's width and gap) and beneath it, drawn as the ring.
class Ring final : public QFocusFrame {
 public:
  // Beside the controls it rings, so that it is never moved from one parent to another.
  explicit Ring(QWidget* content) : QFocusFrame(content) {
    QObject::connect(qApp, &QApplication::focusChanged, this,
                     [content, this](QWidget*, QWidget* now) {
                       setWidget(content->isAncestorOf(now) ? now : nullptr);
                     });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawRing(painter, rect(), palette());
  }
};

}  // namespace

void RingFocus(QWidget* content) { new Ring(content); }

void DrawRing(QPainter& painter, const QRect& box, const QPalette& palette) {
  const QColor color = FocusRingColor(palette);
  const int w = std::min({Scaled(kRingWidth), box.width() / 2, box.height() / 2});
  painter.fillRect(box.left(), box.top(), box.width(), w, color);
  painter.fillRect(box.left(), box.bottom() - w + 1, box.width(), w, color);
  painter.fillRect(box.left(), box.top() + w, w, box.height() - 2 * w, color);
  painter.fillRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w, color);
}

}  // namespace platform::detail
