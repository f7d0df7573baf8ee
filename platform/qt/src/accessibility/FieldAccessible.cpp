#include <QAccessibleWidget>
#include <algorithm>
#include <utility>

#include "accessibility/Accessibility.h"
#include "accessibility/TextInterface.h"
#include "widgets/LineEdit.h"

namespace platform::detail {
namespace {

// A field as a screen reader reads it: what Qt's own line edit interface offers, built on
// Qt's public accessibility classes, but for the text-attributes query and where each
// character stands.
class FieldAccessible final : public QAccessibleWidget,
                              public OneRunText,
                              public QAccessibleEditableTextInterface {
 public:
  explicit FieldAccessible(LineEdit* field)
      : QAccessibleWidget(field, QAccessible::EditableText), field_(field) {}

  using OneRunText::text;
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return field_->text();
    if (kind == QAccessible::Description) return field_->Description();
    return QAccessibleWidget::text(kind);
  }
  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind != QAccessible::Value) return QAccessibleWidget::setText(kind, text);
    field_->EditText(text);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !field_->isReadOnly();
    state.readOnly = field_->isReadOnly();
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  // The text interface.
  int cursorPosition() const override { return field_->cursorPosition(); }
  void setCursorPosition(int position) override { field_->setCursorPosition(position); }
  int selectionCount() const override { return field_->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !field_->hasSelectedText()) return;
    *start = field_->selectionStart();
    *end = *start + int(field_->selectedText().size());
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  // Offsets outside the text are taken at its ends, as Qt's line edit would refuse them with a
  // warning of its own on standard error.
  void setSelection(int, int start, int end) override {
    const int length = characterCount();
    const int from = std::clamp(start, 0, length);
    field_->setSelection(from, std::clamp(end, 0, length) - from);
  }
  void removeSelection(int) override { field_->deselect(); }
  // Qt lays the text out, scrolled and within the field's margins, on either side for either
  // direction; where it shows the cursor tells where the text stands, and each character stands
  // as far from the cursor as the text between them is wide.
  QRect characterRect(int offset) const override {
    // Asked of offsets far past the text too, each in turn (Qt's bridge for a range's extents).
    if (offset < 0 || offset >= characterCount()) return {};
    return boxes_.Box(*field_, field_->text(), offset, field_->cursorPosition(), [this] {
      const QRect cursor = field_->cursorRect();  // centred on the cursor's position
      return CharacterBoxes::Anchor{(cursor.left() + cursor.right() + 1) / 2.0, cursor.top(),
                                    cursor.height()};
    });
  }
  int offsetAtPoint(const QPoint& point) const override {
    return field_->cursorPositionAt(field_->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int end) override {
    field_->setCursorPosition(end);
    field_->setCursorPosition(start);
  }

  // The editable text interface.
  // Offsets outside the text are taken at its ends: Qt would pad the text with blanks up to
  // an offset past its end, a billion of them if asked.
  void deleteText(int start, int end) override {
    const auto [from, to] = Range(start, end);
    field_->EditText(field_->text().remove(from, to - from));
  }
  void insertText(int offset, const QString& text) override {
    field_->EditText(field_->text().insert(Range(offset, offset).first, text));
  }
  void replaceText(int start, int end, const QString& text) override {
    const auto [from, to] = Range(start, end);
    field_->EditText(field_->text().replace(from, to - from, text));
  }

 private:
  QString Whole() const override { return field_->text(); }
  std::pair<qsizetype, qsizetype> Range(int start, int end) const {
    const qsizetype size = field_->text().size();
    const qsizetype from = std::clamp<qsizetype>(start, 0, size);
    return {from, std::clamp<qsizetype>(end, from, size)};
  }

  LineEdit* field_;
  mutable CharacterBoxes boxes_;
};

}  // namespace

QAccessibleInterface* FieldInterface(LineEdit* field) { return new FieldAccessible(field); }

}  // namespace platform::detail
