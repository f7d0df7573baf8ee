#pragma once

#include <optional>
#include <string_view>

class QLineEdit;

// The standard Edit menu commands, carried out on the focused text field.
namespace platform::detail {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command of a standard edit item's name (EditUndo, EditCut, ...), if it is one.
std::optional<EditCommand> EditCommandNamed(std::string_view itemName);

// Whether the command would do something now: undo needs something to undo, cut, copy and
// delete a selection, paste an editable field, select all some text; all need a focused text
// field, or one that the menu bar took the focus from.
bool CanRun(EditCommand command);

// Carries the command out if it can run; otherwise does nothing.
void Run(EditCommand command);

// The field that had the focus when the menu bar took it from the keyboard: the commands reach
// that field while the menus have the focus.
void RememberFieldBehindMenuBar(QLineEdit* field);

}  // namespace platform::detail
