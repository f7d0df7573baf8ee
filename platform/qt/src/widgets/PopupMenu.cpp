#include "platform/PopupMenu.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>

#include "accessibility/Announce.h"
#include "platform/Exceptions.h"
#include "runtime/Dispatch.h"
#include "text/Translation.h"
#include "widgets/Widgets.h"

namespace platform {

// The list's row is cleared first: Qt puts it on the current one as the list opens, and a screen
// reader hears that row as news, which a row already there is not.
void PopupWidget::showPopup() {
  view()->setCurrentIndex({});
  QComboBox::showPopup();
  view()->setCurrentIndex(model()->index(currentIndex(), modelColumn()));
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
  // Qt 6.4 tells a screen reader only that a list opened ("List with 6 items"): the row too.
  if (QAccessible::isActive()) detail::Announce(parentWidget(), currentText());
#endif
}

PopupMenu::PopupMenu(Window& window)
    : Control(new PopupWidget(detail::ContentOf(window))),
      combo_(qobject_cast<QComboBox*>(widget_)) {
  // An empty combo box selects the first row added to it and says so; with a placeholder it
  // leaves the selection at -1, so that only the program or the user selects a row.
  combo_->setPlaceholderText(QStringLiteral(" "));
  QObject::connect(combo_, &QComboBox::currentIndexChanged, combo_, [this] {
    detail::AnnounceCurrentRow(combo_);
    detail::Deliver([&] { Change.Raise(*this); });
  });
}

void PopupMenu::Apply(const PopupMenuDesign& design) {
  Place(design.box, design.tabIndex, {}, {});
  combo_->setAccessibleName(detail::Translated(design.accessibleName));
  // Tab reaches it, as it reaches the fields; the mouse wheel does not change it by accident.
  combo_->setFocusPolicy(Qt::StrongFocus);
}

void PopupMenu::AddRow(const std::string& text) {
  detail::CallQt([&] { combo_->addItem(QString::fromStdString(text)); });
}

std::int64_t PopupMenu::RowCount() const {
  detail::RequireMainThread();
  return combo_->count();
}

std::string PopupMenu::RowText(std::int64_t row) const {
  CheckRow(row);
  return combo_->itemText(static_cast<int>(row)).toStdString();
}

Variant PopupMenu::RowTag(std::int64_t row) const {
  CheckRow(row);
  const QVariant tag = combo_->itemData(static_cast<int>(row));
  return tag.isValid() ? DoubleToVariant(tag.toDouble()) : Variant();
}

void PopupMenu::SetRowTag(std::int64_t row, const Variant& tag) {
  CheckRow(row);
  const QVariant data = tag.IsEmpty() ? QVariant() : QVariant(VariantToDouble(tag));
  detail::CallQt([&] { combo_->setItemData(static_cast<int>(row), data); });
}

std::int64_t PopupMenu::ListIndex() const {
  detail::RequireMainThread();
  return combo_->currentIndex();
}

void PopupMenu::SetListIndex(std::int64_t row) {
  if (row != -1) CheckRow(row);
  // Qt would announce a change to -1 even when nothing was selected before.
  if (row == ListIndex()) return;
  detail::CallQt([&] { combo_->setCurrentIndex(static_cast<int>(row)); });
}

void PopupMenu::CheckRow(std::int64_t row) const {
  detail::RequireMainThread();
  if (row < 0 || row >= combo_->count()) {
    throw OutOfBoundsException("popup " + Name() + " has no row " + std::to_string(row) +
                               " (it has " + std::to_string(combo_->count()) + ")");
  }
}

}  // namespace platform
