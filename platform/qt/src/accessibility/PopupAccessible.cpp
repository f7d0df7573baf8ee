#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "accessibility/Accessibility.h"
#include "accessibility/TextInterface.h"

namespace platform::detail {
namespace {

// A popup as a screen reader reads it. Qt names a popup after its current row on Linux, so Orca
// said "Copper combo box": here the popup keeps its own name ("Material") and answers with the
// current row as its value and its text, which Orca 43 reads as the popup's value. Orca 48 and
// later read the row the popup's selection holds instead, and hear a new one when Qt reports
// the popup's value changed: from Qt 6.5, which has the selection interface, the current row
// is the popup's one selected item. Its one child is the list of rows, as in Qt.
class PopupAccessible final : public QAccessibleWidget,
                              public OneRunText
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    ,
                              public QAccessibleSelectionInterface
#endif
{
 public:
  explicit PopupAccessible(QComboBox* popup)
      : QAccessibleWidget(popup, QAccessible::ComboBox), popup_(popup) {}

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(popup_->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == popup_->view() ? 0 : -1;
  }
  using OneRunText::text;
  QString text(QAccessible::Text kind) const override {
    const bool unnamed = kind == QAccessible::Name && widget()->accessibleName().isEmpty();
    return kind == QAccessible::Value || unnamed ? popup_->currentText()
                                                 : QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = popup_->view()->isVisible();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction()) return QAccessibleWidget::doAction(action);
    popup_->view()->isVisible() ? popup_->hidePopup() : popup_->showPopup();
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (type == QAccessible::SelectionInterface) {
      return static_cast<QAccessibleSelectionInterface*>(this);
    }
#endif
    return QAccessibleWidget::interface_cast(type);
  }

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // The selection interface: the current row, chosen with the popup's own keys, not from here.
  int selectedItemCount() const override { return CurrentRow() != nullptr ? 1 : 0; }
  QList<QAccessibleInterface*> selectedItems() const override {
    QAccessibleInterface* row = CurrentRow();
    return row != nullptr ? QList<QAccessibleInterface*>{row} : QList<QAccessibleInterface*>{};
  }
  bool select(QAccessibleInterface*) override { return false; }
  bool unselect(QAccessibleInterface*) override { return false; }
  bool selectAll() override { return false; }
  bool clear() override { return false; }
#endif

  // The text interface: the current row's text, read-only, nothing selected.
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  int selectionCount() const override { return 0; }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  void addSelection(int, int) override {}
  void setSelection(int, int, int) override {}
  void removeSelection(int) override {}
  // Where the row's text stands, so that a screen reader's review of the screen finds it there.
  QRect characterRect(int offset) const override {
    if (offset < 0 || offset >= characterCount()) return {};
    // The style draws the row's text from the field's leading edge.
    const QString text = popup_->currentText();
    const bool rightToLeft = popup_->isRightToLeft();
    return boxes_.Box(*popup_, text, offset, rightToLeft ? int(text.size()) : 0, [&] {
      QStyleOptionComboBox option;
      option.initFrom(popup_);
      const QRect field = popup_->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, popup_);
      return CharacterBoxes::Anchor{double(rightToLeft ? field.right() + 1 : field.left()),
                                    field.top(), field.height()};
    });
  }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}

 private:
  QString Whole() const override { return popup_->currentText(); }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  QAccessibleInterface* CurrentRow() const {
    QAccessibleInterface* list = child(0);
    QAccessibleTableInterface* rows = list != nullptr ? list->tableInterface() : nullptr;
    const int row = popup_->currentIndex();
    return rows != nullptr && row >= 0 ? rows->cellAt(row, popup_->modelColumn()) : nullptr;
  }
#endif

  QComboBox* popup_;
  mutable CharacterBoxes boxes_;
};

}  // namespace

QAccessibleInterface* PopupInterface(QComboBox* popup) { return new PopupAccessible(popup); }

}  // namespace platform::detail
