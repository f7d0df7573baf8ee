#include "MenuWidgets.h"

#include <QMenu>
#include <QMenuBar>

#include "Dispatch.h"
#include "EditCommands.h"
#include "platform/Menu.h"

namespace platform::detail {
namespace {

QKeySequence ShortcutOf(const MenuItem& item) {
  // "Cmd" is the command modifier: Qt's "Ctrl", which Qt itself maps to ⌘ on macOS.
  QString text = QString::fromStdString(item.KeyboardShortcut());
  text.replace(QLatin1String("Cmd"), QLatin1String("Ctrl"));
  return QKeySequence(text, QKeySequence::PortableText);
}

void AddItems(QMenu* menu, const MenuItem& parent);

void AddItem(QMenu* menu, MenuItem& item) {
  const QString text = QString::fromStdString(item.Text());
  if (!item.Children().empty()) {
    QMenu* submenu = menu->addMenu(text);
    submenu->menuAction()->setVisible(item.Visible());
    AddItems(submenu, item);
    return;
  }
  if (item.Text() == "-") {
    menu->addSeparator()->setVisible(item.Visible());
    return;
  }
  QAction* action = menu->addAction(text);
  action->setShortcut(ShortcutOf(item));
  action->setVisible(item.Visible());
  QObject::connect(action, &QAction::triggered, action,
                   [&item] { Deliver([&item] { item.Action(); }); });
  const auto command = EditCommandNamed(item.Name());
  if (item.AutoEnable() && command) {
    QObject::connect(menu, &QMenu::aboutToShow, action,
                     [action, command] { action->setEnabled(CanRun(*command)); });
  }
}

void AddItems(QMenu* menu, const MenuItem& parent) {
  for (const auto& child : parent.Children()) AddItem(menu, *child);
}

}  // namespace

QMenuBar* BuildMenuBar(const MenuBar& menuBar, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  for (const auto& item : menuBar.Children()) {
    QMenu* menu = bar->addMenu(QString::fromStdString(item->Text()));
    menu->setObjectName(QString::fromStdString(item->Name()));
    menu->menuAction()->setVisible(item->Visible());
    AddItems(menu, *item);
  }
  return bar;
}

}  // namespace platform::detail
