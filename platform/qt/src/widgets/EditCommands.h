#pragma once

#include <string_view>

class QLineEdit;

// The standard Edit menu commands, carried out on the focused text field.
namespace platform::detail {

struct EditCommand {
  std::string_view itemName;  // EditUndo, EditCut, ...
  // Whether the command would do something in `field` now: undo needs something to undo, cut,
  // copy and delete a selection, paste an editable field, select all some text.
  bool (*canRun)(const QLineEdit& field);
  void (*run)(QLineEdit& field);
};

// The command of a standard edit item's name, or nullptr.
const EditCommand* EditCommandNamed(std::string_view itemName);

// Whether the command would do something now, in the focused text field, or the one that the
// menu bar took the focus from.
bool CanRun(const EditCommand& command);

// Carries the command out if it can run; otherwise does nothing.
void Run(const EditCommand& command);

// The field that had the focus when the menu bar took it from the keyboard: the commands reach
// that field while the menus have the focus.
void RememberFieldBehindMenuBar(QLineEdit* field);

}  // namespace platform::detail
