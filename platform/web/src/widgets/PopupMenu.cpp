#include "platform/PopupMenu.h"

#include "platform/Exceptions.h"
#include "platform/Translation.h"
#include "widgets/Listeners.h"
#include "widgets/Widgets.h"

namespace platform {

namespace {
ListBox& List(native::List* combo) { return static_cast<ListBox&>(*combo); }
}  // namespace

PopupMenu::PopupMenu(Window& window) : Control(new ListBox()), combo_(widget_) {
  detail::ContentOf(window).Append(*combo_);
  web::Listen(*combo_, [this](const std::string& event, const std::string&) {
    if (event == "change") Change.Raise(*this);
  });
}

void PopupMenu::Apply(const PopupMenuDesign& design) {
  Place(design.box, design.tabIndex, {}, {});
  combo_->SetAttribute("aria-label", Translated(design.accessibleName));
}

// A select shows its first option as chosen once it has one: the selection stays as it was.
void PopupMenu::AddRow(const std::string& text) {
  const std::int64_t selected = ListIndex();
  web::Call("addOption", combo_->node, text, {}, {}, static_cast<int>(selected));
  List(combo_).tags.emplace_back();
}

std::int64_t PopupMenu::RowCount() const { return static_cast<std::int64_t>(List(combo_).tags.size()); }

std::string PopupMenu::RowText(std::int64_t row) const {
  CheckRow(row);
  return web::CallForText("optionText", combo_->node, {}, static_cast<int>(row));
}

Variant PopupMenu::RowTag(std::int64_t row) const {
  CheckRow(row);
  return List(combo_).tags[static_cast<std::size_t>(row)];
}

void PopupMenu::SetRowTag(std::int64_t row, const Variant& tag) {
  CheckRow(row);
  List(combo_).tags[static_cast<std::size_t>(row)] = tag;
}

std::int64_t PopupMenu::ListIndex() const { return combo_->Number("selectedIndex"); }

void PopupMenu::SetListIndex(std::int64_t row) {
  if (row != -1) CheckRow(row);
  if (row == ListIndex()) return;
  web::Call("setNumber", combo_->node, "selectedIndex", {}, {}, static_cast<int>(row));
  Change.Raise(*this);
}

void PopupMenu::CheckRow(std::int64_t row) const {
  if (row < 0 || row >= RowCount()) {
    throw OutOfBoundsException("popup " + Name() + " has no row " + std::to_string(row) +
                               " (it has " + std::to_string(RowCount()) + ")");
  }
}

}  // namespace platform
