#pragma once

#include <optional>
#include <string_view>

// The standard Edit menu commands, carried out on the focused text field.
namespace platform::detail {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command of a standard edit item's name (EditUndo, EditCut, ...), if it is one.
std::optional<EditCommand> EditCommandNamed(std::string_view itemName);

// Whether the command would do something now: undo needs something to undo, cut, copy and
// delete a selection, paste text on the clipboard, select all some text; all need a focused
// text field.
bool CanRun(EditCommand command);

// Carries the command out if it can run; otherwise does nothing.
void Run(EditCommand command);

}  // namespace platform::detail
