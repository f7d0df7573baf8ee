#include "widgets/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <array>
#include <utility>

#include "runtime/Dispatch.h"

namespace platform::detail {
namespace {

// The field that had the focus when the menu bar took it from the keyboard (Alt, F10): the
// Edit menu's commands are for that field while the menus hold the focus.
QPointer<QLineEdit>& FieldBehindMenuBar() {
  static QPointer<QLineEdit> field;
  return field;
}

QLineEdit* FocusedField() {
  QWidget* focus = QApplication::focusWidget();
  if (auto* field = qobject_cast<QLineEdit*>(focus)) return field;
  const bool inMenus = qobject_cast<QMenuBar*>(focus) != nullptr || qobject_cast<QMenu*>(focus);
  return inMenus ? FieldBehindMenuBar().data() : nullptr;
}

}  // namespace

void RememberFieldBehindMenuBar(QLineEdit* field) { FieldBehindMenuBar() = field; }

std::optional<EditCommand> EditCommandNamed(std::string_view itemName) {
  static constexpr std::array<std::pair<std::string_view, EditCommand>, 6> kNames{{
      {"EditUndo", EditCommand::Undo},
      {"EditCut", EditCommand::Cut},
      {"EditCopy", EditCommand::Copy},
      {"EditPaste", EditCommand::Paste},
      {"EditClear", EditCommand::Clear},
      {"EditSelectAll", EditCommand::SelectAll},
  }};
  for (const auto& [name, command] : kNames) {
    if (name == itemName) return command;
  }
  return std::nullopt;
}

bool CanRun(EditCommand command) {
  const QLineEdit* field = FocusedField();
  if (field == nullptr) return false;
  const bool editable = !field->isReadOnly();
  const bool textShown = field->echoMode() == QLineEdit::Normal;  // not a password
  switch (command) {
    case EditCommand::Undo:
      return editable && field->isUndoAvailable();
    case EditCommand::Cut:
      return editable && textShown && field->hasSelectedText();
    case EditCommand::Copy:
      return textShown && field->hasSelectedText();
    case EditCommand::Paste:
      // Asking the clipboard's owner would wait on another program, as long as it likes, every
      // time the menu opens: Paste is offered in every editable field, and an empty paste
      // does nothing.
      return editable;
    case EditCommand::Clear:
      return editable && field->hasSelectedText();
    case EditCommand::SelectAll:
      return !field->text().isEmpty();
  }
  return false;
}

void Run(EditCommand command) {
  if (!CanRun(command)) return;
  QLineEdit* field = FocusedField();
  CallQt([&] {
    switch (command) {
      case EditCommand::Undo:
        field->undo();
        break;
      case EditCommand::Cut:
        field->cut();
        break;
      case EditCommand::Copy:
        field->copy();
        break;
      case EditCommand::Paste:
        // Only a clipboard that answered with text is read a second time, by the paste itself.
        if (!QGuiApplication::clipboard()->text().isEmpty()) field->paste();
        break;
      case EditCommand::Clear:
        field->del();
        break;
      case EditCommand::SelectAll:
        field->selectAll();
        break;
    }
  });
}

}  // namespace platform::detail
