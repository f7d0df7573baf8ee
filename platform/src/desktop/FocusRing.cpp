#include "desktop/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "desktop/Ink.h"

namespace platform::detail {
namespace {

constexpr int kRingWidth = 2;
// Between the ring and the control's own border.
constexpr int kRingGap = 1;

// The ring itself: transparent but for its band, never focused, clicked through.
class Ring final : public QWidget {
 public:
  explicit Ring(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor color = FocusRingColor(palette());
    const QRect box = rect();
    const int w = kRingWidth;
    painter.fillRect(box.left(), box.top(), box.width(), w, color);
    painter.fillRect(box.left(), box.bottom() - w + 1, box.width(), w, color);
    painter.fillRect(box.left(), box.top() + w, w, box.height() - 2 * w, color);
    painter.fillRect(box.right() - w + 1, box.top() + w, w, box.height() - 2 * w, color);
  }
};

// Follows the focus and whatever moves, shows or hides the focused control, or repaints a
// focused menu bar (its reached title changes), and lays the ring where it belongs.
class RingKeeper final : public QObject {
 public:
  using QObject::QObject;

  void Follow(QWidget* now) {
    if (target_ != nullptr) target_->removeEventFilter(this);
    target_ = now;
    if (target_ != nullptr) target_->installEventFilter(this);
    Place();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    const bool moved = type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
                       type == QEvent::Hide;
    const bool titleMayChange = type == QEvent::Paint && qobject_cast<QMenuBar*>(watched);
    // After the event: a ring moved while its parent paints would ask for another paint.
    if (watched == target_ && (moved || titleMayChange)) {
      QTimer::singleShot(0, this, [this] { Place(); });
    }
    return false;
  }

 private:
  void Place() {
    QWidget* target = target_;
    const bool inWindow = target != nullptr && !target->isWindow() && target->isVisible() &&
                          target->window()->windowType() != Qt::Popup;
    if (!inWindow) return Hide();
    if (auto* bar = qobject_cast<QMenuBar*>(target)) return PlaceOnTitle(bar);
    // Beside the control, above it in its parent, just outside its box.
    const int margin = kRingWidth + kRingGap;
    Show(target->parentWidget(), target->geometry().adjusted(-margin, -margin, margin, margin));
  }

  // Just inside the title's box, clear of the menu bar's bottom line: that line is drawn across
  // the box's last row, and half a row above it on a screen scaled by 2. An open menu's title
  // is marked as pressed by the style itself.
  void PlaceOnTitle(QMenuBar* bar) {
    QAction* title = bar->activeAction();
    if (title == nullptr || (title->menu() != nullptr && title->menu()->isVisible())) return Hide();
    Show(bar, bar->actionGeometry(title).adjusted(kRingGap, kRingGap, -kRingGap, -kRingGap - 1));
  }

  void Show(QWidget* parent, const QRect& box) {
    if (ring_ != nullptr && ring_->parentWidget() != parent) delete ring_.data();
    if (ring_ == nullptr) ring_ = new Ring(parent);
    // Only what changed: a ring raised again would have the menu bar repaint, and move it again.
    if (ring_->geometry() != box) ring_->setGeometry(box);
    if (parent->children().constLast() != ring_) ring_->raise();
    if (!ring_->isVisible()) ring_->show();
  }

  void Hide() {
    if (ring_ != nullptr) ring_->hide();
  }

  QPointer<QWidget> target_;
  QPointer<Ring> ring_;
};

}  // namespace

void InstallFocusRing() {
  auto* keeper = new RingKeeper(qApp);
  QObject::connect(qApp, &QApplication::focusChanged, keeper,
                   [keeper](QWidget*, QWidget* now) { keeper->Follow(now); });
}

}  // namespace platform::detail
