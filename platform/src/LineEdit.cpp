#include "LineEdit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

namespace platform {
namespace {

int KeyOf(const QKeyEvent* event) {
  return event->key() != 0 ? event->key() : static_cast<int>(event->nativeScanCode()) | (1 << 30);
}

}  // namespace

LineEdit::LineEdit(QWidget* parent, KeyUpHandler keyUp)
    : QLineEdit(parent),
      keyUp_(std::move(keyUp)),
      deferReleases_(QGuiApplication::platformName() == QLatin1String("xcb")) {
  // textEdited comes before textChanged for the same change.
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (inKeyPress_) {
      keyEditSinceKeyUp_ = true;
    } else {
      otherEditPending_ = true;
    }
  });
}

void LineEdit::AfterTextChange() {
  if (!std::exchange(otherEditPending_, false)) return;
  RaiseKeyUp({});
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  const int key = KeyOf(event);
  // A press sent with a deferred release of the same key shows that release was an auto-repeat.
  std::erase_if(deferredReleases_, [&](const Release& release) {
    return release.key == key && release.timestamp == event->timestamp();
  });
  pressedKeys_.insert(key);
  inKeyPress_ = true;
  QLineEdit::keyPressEvent(event);
  inKeyPress_ = false;
}

void LineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat() || !pressedKeys_.remove(KeyOf(event))) return;
  const std::string key = event->text().toStdString();
  if (!deferReleases_) {
    RaiseKeyUp(key);
    return;
  }
  deferredReleases_.push_back({KeyOf(event), event->timestamp(), key});
  if (std::exchange(decisionQueued_, true)) return;
  QMetaObject::invokeMethod(this, &LineEdit::DecideReleases, Qt::QueuedConnection);
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (pressedKeys_.isEmpty()) return;
  pressedKeys_.clear();
  if (keyEditSinceKeyUp_) RaiseKeyUp({});
}

void LineEdit::RaiseKeyUp(const std::string& key) {
  keyEditSinceKeyUp_ = false;
  keyUp_(key);
}

void LineEdit::DecideReleases() {
  // The server answers the round trip only after every event it sent before, and sync()
  // delivers them: a repeat's press, if any, has now cancelled its release.
  const QPointer<LineEdit> self(this);
  QGuiApplication::sync();
  if (self == nullptr) return;
  decisionQueued_ = false;
  for (const Release& release : std::exchange(deferredReleases_, {})) RaiseKeyUp(release.text);
}

}  // namespace platform
