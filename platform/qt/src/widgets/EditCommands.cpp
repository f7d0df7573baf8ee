#include "widgets/EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

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

bool Editable(const QLineEdit& field) { return !field.isReadOnly(); }
bool Selected(const QLineEdit& field) { return field.hasSelectedText(); }
// Not a password's.
bool Shown(const QLineEdit& field) { return field.echoMode() == QLineEdit::Normal; }

constexpr EditCommand kCommands[] = {
    {"EditUndo", [](const QLineEdit& f) { return Editable(f) && f.isUndoAvailable(); },
     [](QLineEdit& f) { f.undo(); }},
    {"EditCut", [](const QLineEdit& f) { return Editable(f) && Shown(f) && Selected(f); },
     [](QLineEdit& f) { f.cut(); }},
    {"EditCopy", [](const QLineEdit& f) { return Shown(f) && Selected(f); },
     [](QLineEdit& f) { f.copy(); }},
    // Asking the clipboard's owner would wait on another program, as long as it likes, every
    // time the menu opens: Paste is offered in every editable field, and an empty paste does
    // nothing. Only a clipboard that answered with text is read a second time, by the paste.
    {"EditPaste", Editable,
     [](QLineEdit& f) {
       if (!QGuiApplication::clipboard()->text().isEmpty()) f.paste();
     }},
    {"EditClear", [](const QLineEdit& f) { return Editable(f) && Selected(f); },
     [](QLineEdit& f) { f.del(); }},
    {"EditSelectAll", [](const QLineEdit& f) { return !f.text().isEmpty(); },
     [](QLineEdit& f) { f.selectAll(); }},
};

}  // namespace

void RememberFieldBehindMenuBar(QLineEdit* field) { FieldBehindMenuBar() = field; }

const EditCommand* EditCommandNamed(std::string_view itemName) {
  for (const EditCommand& command : kCommands) {
    if (command.itemName == itemName) return &command;
  }
  return nullptr;
}

bool CanRun(const EditCommand& command) {
  const QLineEdit* field = FocusedField();
  return field != nullptr && command.canRun(*field);
}

void Run(const EditCommand& command) {
  if (!CanRun(command)) return;
  QLineEdit* field = FocusedField();
  CallQt([&] { command.run(*field); });
}

}  // namespace platform::detail
