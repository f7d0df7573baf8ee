#include "LineEdit.h"

#include <QGuiApplication>
#include <QKeyEvent>
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
  releaseTimer_.setSingleShot(true);
  releaseTimer_.setInterval(kRepeatWindowMs);
  connect(&releaseTimer_, &QTimer::timeout, this, [this] { RaiseDeferredReleases(); });
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
  // A press of a key whose release is still deferred shows that release was an auto-repeat.
  std::erase_if(deferredReleases_, [key](const auto& release) { return release.first == key; });
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
  deferredReleases_.emplace_back(KeyOf(event), key);
  releaseTimer_.start();
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

void LineEdit::RaiseDeferredReleases() {
  for (const auto& release : std::exchange(deferredReleases_, {})) RaiseKeyUp(release.second);
}

}  // namespace platform
