#include "widgets/LineEdit.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <algorithm>

#include "accessibility/Announce.h"
#include "display/Display.h"
#include "platform/Numbers.h"
#include "platform/Translation.h"
#include "text/Translation.h"
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

}  // namespace

LineEdit::LineEdit(QWidget* parent, KeyUpHandler keyUp)
    : QLineEdit(parent), keyUp_(std::move(keyUp)) {
  // The field a key was pressed in may have lost the focus since, or its window be inactive.
  detail::WatchKeyReleases([](std::uint32_t keycode) {
    for (QWidget* widget : QApplication::allWidgets()) {
      if (auto* field = qobject_cast<LineEdit*>(widget)) field->KeyReleasedElsewhere(keycode);
    }
  });
  // textEdited comes before textChanged for the same change.
  connect(this, &QLineEdit::textEdited, this,
          [this] { (inKeyPress_ ? keyEditSinceKeyUp_ : otherEditPending_) = true; });
}

// The description a field gets as its window is built is what a screen reader finds there, not
// news to say with the first result.
void LineEdit::SetHelp(const QString& help, const QString& spokenHelp, const QString& description) {
  help_ = help;
  spokenHelp_ = spokenHelp;
  description_ = description;
  ReportDescription();
}

void LineEdit::SetHoldsNumber(bool holdsNumber) {
  holdsNumber_ = holdsNumber;
  reportedInvalid_ = HoldsNoNumber();
  ReportDescription();
  ShowValidity();
}

// The text keeps clear of the mark: the field's room for it is taken from the text's side.
void LineEdit::ShowValidity() {
  const bool invalid = HoldsNoNumber();
  if (invalid == markShown_) return;
  markShown_ = invalid;
  const int room = invalid ? fontMetrics().height() + 2 : 0;
  setTextMargins(isRightToLeft() ? room : 0, 0, isRightToLeft() ? 0 : room, 0);
  update();
}

QRectF LineEdit::InvalidMark() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const int side = fontMetrics().height();
  const int x = isRightToLeft() ? contents.left() + 1 : contents.right() - side;
  return QRectF(x, contents.center().y() + 1 - side / 2.0, side, side);
}

void LineEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!markShown_) return;
  const QRectF box = InvalidMark();
  const double side = box.height();
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::Text), std::max(1.2, side / 10), Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  QPainterPath triangle;
  triangle.moveTo(box.center().x(), box.top() + side * 0.08);
  triangle.lineTo(box.right() - side * 0.04, box.bottom() - side * 0.1);
  triangle.lineTo(box.left() + side * 0.04, box.bottom() - side * 0.1);
  triangle.closeSubpath();
  painter.drawPath(triangle);
  const double x = box.center().x();
  painter.drawLine(QPointF(x, box.top() + side * 0.4), QPointF(x, box.top() + side * 0.62));
  painter.drawPoint(QPointF(x, box.top() + side * 0.75));
}

bool LineEdit::HoldsNoNumber() const {
  return holdsNumber_ && !IsNumber(text().toStdString(), WindowNumbers());
}

QString LineEdit::Description() const { return DescriptionFor(HoldsNoNumber()); }

QString LineEdit::DescriptionFor(bool invalid) const {
  if (!invalid) return description_;
  //: Said of a number field whose text is not a number.
  const QString said = detail::Translated(platform::Translatable("screen reader", "Invalid entry"));
  return description_.isEmpty() ? said : said + QStringLiteral(". ") + description_;
}

// Only a screen reader that listens is told; one that starts later reads the description anew.
// The text turning into no number or back is news once typing pauses, with the result it gives.
void LineEdit::ReportDescription() {
  if (!QAccessible::isActive()) return;
  const bool invalid = HoldsNoNumber();
  const bool before = std::exchange(reportedInvalid_, invalid);
  if (before != invalid) {
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
  }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  // Orca says the new description; the edit holds the live texts back.
  detail::AnnounceLive(this, {}, [] { return QString(); });
#else
  // Qt 6.4's bridge reports the change with the field in place of the new description, which
  // Orca cannot say: the description is said with the live texts, once typing pauses.
  detail::AnnounceLive(this, DescriptionFor(before), [this] { return Description(); });
#endif
}

void LineEdit::AfterTextChange() {
  ReportDescription();
  ShowValidity();
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
  if (event->type() == QEvent::ToolTip && markShown_) {
    const auto* help = static_cast<const QHelpEvent*>(event);
    if (const QRectF mark = InvalidMark(); mark.contains(help->pos())) {
      QToolTip::showText(help->globalPos(), Description(), this, mark.toRect());
      return true;
    }
  }
  return QLineEdit::event(event);
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  // Ctrl+F1 shows the field's help (its caption's tooltip) from the keyboard, as GTK desktops
  // do, and has a screen reader say it; Escape, typing on or leaving the field hides it.
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::ControlModifier) {
    // A field without help has a screen reader say what it takes: its name, the unit in words.
    if (help_.isEmpty()) {
      if (!accessibleName().isEmpty()) detail::Announce(parentWidget(), accessibleName());
      return;
    }
    QToolTip::showText(mapToGlobal(QPoint(0, height())), help_, this);
    detail::Announce(parentWidget(), spokenHelp_);
    return;
  }
  const bool modifierAlone = event->key() == Qt::Key_Shift || event->key() == Qt::Key_Control ||
                             event->key() == Qt::Key_Alt || event->key() == Qt::Key_Meta ||
                             event->key() == Qt::Key_AltGr;
  if (QToolTip::isVisible() && !modifierAlone) {
    QToolTip::hideText();
    if (event->key() == Qt::Key_Escape) return;
  }
  pressedKeys_.insert(KeyOf(event));
  inKeyPress_ = true;
  QLineEdit::keyPressEvent(event);
  inKeyPress_ = false;
}

void LineEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  if (event->isAutoRepeat() || !pressedKeys_.remove(KeyOf(event))) return;
  RaiseKeyUp(event->text().toStdString());
}

void LineEdit::KeyReleasedElsewhere(std::uint32_t keycode) {
  // Keycode 0: a press without a keycode, known by what it means.
  const bool released =
      keycode != 0 ? pressedKeys_.remove(int(keycode) | kScanCodeKey)
                   : pressedKeys_.removeIf([](int key) { return !(key & kScanCodeKey); }) > 0;
  if (released && keyEditSinceKeyUp_) RaiseKeyUp({});
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

void LineEdit::SettleKeys() {
  if (pressedKeys_.isEmpty()) return;
  pressedKeys_.clear();
  if (keyEditSinceKeyUp_) RaiseKeyUp({});
}

void LineEdit::RaiseKeyUp(const std::string& key) {
  keyEditSinceKeyUp_ = false;
  keyUp_(key);
}

}  // namespace platform
