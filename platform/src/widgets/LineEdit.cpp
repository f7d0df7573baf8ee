#include "widgets/LineEdit.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimerEvent>
#include <QToolTip>
#include <algorithm>

#include "accessibility/Announce.h"
#include "display/Display.h"
#include "platform/Numbers.h"
#include "widgets/EditCommands.h"

namespace platform {
namespace {

// The physical key, where the window system names it: a character that xdotool or an
// on-screen keyboard types through a keycode remapped for one press decodes to one key on the
// press and to another on the release, once the mapping is restored. Keys sent without a
// keycode (offscreen, QTest) are told apart by what they mean.
constexpr int kScanCodeKey = 1 << 30;

int KeyOf(const QKeyEvent* event) {
  return event->nativeScanCode() != 0 ? static_cast<int>(event->nativeScanCode()) | kScanCodeKey
                                      : event->key();
}

// How often the X server's key state is asked while a key pressed in the field has no release.
constexpr int kReleaseWatch = 250;  // milliseconds

}  // namespace

LineEdit::LineEdit(QWidget* parent, KeyUpHandler keyUp)
    : QLineEdit(parent), keyUp_(std::move(keyUp)) {
  // textEdited comes before textChanged for the same change.
  connect(this, &QLineEdit::textEdited, this,
          [this] { (inKeyPress_ ? keyEditSinceKeyUp_ : otherEditPending_) = true; });
}

void LineEdit::SetHelp(const QString& help, const QString& description) {
  help_ = help;
  description_ = description;
}

void LineEdit::SetHoldsNumber(bool holdsNumber) {
  holdsNumber_ = holdsNumber;
  reportedInvalid_ = HoldsNoNumber();
}

bool LineEdit::HoldsNoNumber() const { return holdsNumber_ && !IsNumber(text().toStdString()); }

QString LineEdit::Description() const {
  if (!HoldsNoNumber()) return description_;
  return description_.isEmpty() ? QStringLiteral("Invalid entry")
                                : QStringLiteral("Invalid entry. ") + description_;
}

// Only a screen reader that listens is told; one that starts later reads the description anew.
void LineEdit::ReportDescription() {
  if (!QAccessible::isActive()) return;
  const bool invalid = HoldsNoNumber();
  if (std::exchange(reportedInvalid_, invalid) == invalid) return;
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  // Qt 6.4's bridge reports the change with the field in place of the new description, which
  // Orca cannot say; the description is announced instead.
  detail::Announce(parentWidget(), Description());
#endif
}

void LineEdit::AfterTextChange() {
  ReportDescription();
  if (!std::exchange(otherEditPending_, false)) return;
  RaiseKeyUp({});
}

void LineEdit::EditText(const QString& text) {
  otherEditPending_ = true;
  setText(text);
  otherEditPending_ = false;  // taken by AfterTextChange if the text changed
}

bool LineEdit::event(QEvent* event) {
  // Before every key press Qt asks the field whether it takes the key before any shortcut. A
  // printable key with no modifier but Shift or the keypad's is always typed into an editable
  // field, and no standard shortcut is such a key: answered at once, Qt skips matching it
  // against every key binding first.
  if (event->type() == QEvent::ShortcutOverride && !isReadOnly()) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier ||
         modifiers == Qt::KeypadModifier) &&
        key->key() < Qt::Key_Escape) {
      event->accept();
      return true;
    }
  }
  return QLineEdit::event(event);
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  // Ctrl+F1 shows the field's help (its caption's tooltip) from the keyboard, as GTK desktops
  // do, and has a screen reader say it; Escape, typing on or leaving the field hides it.
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::ControlModifier) {
    if (help_.isEmpty()) return;
    QToolTip::showText(mapToGlobal(QPoint(0, height())), help_, this);
    detail::Announce(parentWidget(), help_);
    return;
  }
  const bool modifierAlone = event->key() == Qt::Key_Shift || event->key() == Qt::Key_Control ||
                             event->key() == Qt::Key_Alt || event->key() == Qt::Key_Meta ||
                             event->key() == Qt::Key_AltGr;
  if (QToolTip::isVisible() && !modifierAlone) {
    QToolTip::hideText();
    if (event->key() == Qt::Key_Escape) return;
  }
  const int key = KeyOf(event);
  // A press of a key whose release is waiting settles it: at the release's instant it is the
  // press of an auto-repeat, later it follows a real release.
  for (const Release& release : std::exchange(deferredReleases_, {})) {
    if (release.key != key) {
      deferredReleases_.push_back(release);
    } else if (release.timestamp != event->timestamp()) {
      RaiseKeyUp(release.text);
    }
  }
  pressedKeys_.insert(key);
  releaseMissing_ = false;
  // Under X, the server's key state tells a release that never reached the field. Elsewhere
  // (Wayland, Windows) nothing tells a held key from a lost release: no watch.
  if (event->nativeScanCode() != 0 && detail::KeyStateKnown() && !releaseWatch_.isActive()) {
    releaseWatch_.start(kReleaseWatch, this);
  }
  inKeyPress_ = true;
  QLineEdit::keyPressEvent(event);
  inKeyPress_ = false;
}

void LineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat() || !pressedKeys_.remove(KeyOf(event))) return;
  const std::string key = event->text().toStdString();
  if (detail::KeyIsDown(event->nativeScanCode())) {
    deferredReleases_.push_back({KeyOf(event), event->timestamp(), key});
    return;
  }
  RaiseKeyUp(key);
}

void LineEdit::focusInEvent(QFocusEvent* event) {
  detail::WithSelectionUnreported([&] { QLineEdit::focusInEvent(event); });
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
  QToolTip::hideText();
  // The menu bar taking the focus from the keyboard (Alt, F10) leaves the selection for the
  // Edit menu's commands, as a menu opened with the mouse does.
  detail::WithSelectionUnreported([&] {
    const int start = selectionStart();
    const int length = int(selectedText().size());
    const bool backwards = cursorPosition() == start;
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::MenuBarFocusReason) {
      detail::RememberFieldBehindMenuBar(this);
      if (length > 0)
        backwards ? setSelection(start + length, -length) : setSelection(start, length);
    }
  });
  SettleKeys();
}

void LineEdit::timerEvent(QTimerEvent* event) {
  if (event->timerId() != releaseWatch_.timerId()) return QLineEdit::timerEvent(event);
  // A key without a keycode (a client's synthetic press) has no state to ask: it is not held.
  const auto down = [](int key) {
    return (key & kScanCodeKey) && detail::KeyIsDown(std::uint32_t(key & ~kScanCodeKey));
  };
  if (pressedKeys_.isEmpty() && deferredReleases_.empty()) return releaseWatch_.stop();
  for (const int key : std::as_const(pressedKeys_)) {
    if (down(key)) return void(releaseMissing_ = false);
  }
  for (const Release& release : deferredReleases_) {
    if (down(release.key)) return void(releaseMissing_ = false);
  }
  // Every key pressed here is up, and no release came for it. A release on its way may still
  // wait in the queue behind the server's answer: only one still missing a tick later went to
  // another window.
  if (!std::exchange(releaseMissing_, true)) return;
  releaseWatch_.stop();
  SettleKeys();
}

void LineEdit::SettleKeys() {
  // A press that would settle a waiting release now goes elsewhere: the release was the end of
  // this field's typing.
  if (!deferredReleases_.empty()) {
    RaiseDeferredReleases();
    return;
  }
  if (pressedKeys_.isEmpty()) return;
  pressedKeys_.clear();
  if (keyEditSinceKeyUp_) RaiseKeyUp({});
}

void LineEdit::RaiseKeyUp(const std::string& key) {
  keyEditSinceKeyUp_ = false;
  keyUp_(key);
}

void LineEdit::RaiseDeferredReleases() {
  pressedKeys_.clear();
  for (const Release& release : std::exchange(deferredReleases_, {})) RaiseKeyUp(release.text);
}

}  // namespace platform
