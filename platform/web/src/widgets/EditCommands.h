#pragma once

#include <string_view>

// The standard Edit menu commands, carried out by page.js on the focused field, or on the field
// the menus took the focus from.
namespace platform::detail {

struct EditCommand {
  std::string_view itemName;  // EditUndo, EditCut, ...
};

// The command of a standard edit item's name, or nullptr.
const EditCommand* EditCommandNamed(std::string_view itemName);

// Whether the command would do something now: undo and paste an editable field, cut, copy and
// delete a selection, select all some text.
bool CanRun(const EditCommand& command);

// Carries the command out if it can run; otherwise does nothing.
void Run(const EditCommand& command);

}  // namespace platform::detail
