#include "MenuWidgets.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>

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

void AddItems(QMenu* menu, MenuItem& parent);

// Keeps `action` showing `item` as long as the action exists.
void Show(MenuItem& item, QAction* action) {
  item.Follow([action = QPointer<QAction>(action)](const MenuItem& item) {
    if (action == nullptr) return false;
    if (!action->isSeparator()) {
      action->setText(QString::fromStdString(item.Text()));
      if (action->menu() == nullptr) action->setShortcut(ShortcutOf(item));
    }
    action->setVisible(item.Visible());
    return true;
  });
}

void AddItem(QMenu* menu, MenuItem& item) {
  if (!item.Children().empty()) {
    QMenu* submenu = menu->addMenu(QString());
    Show(item, submenu->menuAction());
    AddItems(submenu, item);
    return;
  }
  QAction* action = item.Text() == "-" ? menu->addSeparator() : menu->addAction(QString());
  Show(item, action);
  QObject::connect(action, &QAction::triggered, action,
                   [&item] { Deliver([&item] { item.Action(); }); });
  // Whether the item enables itself, and for which edit, is read each time the menu opens.
  QObject::connect(menu, &QMenu::aboutToShow, action, [action, &item] {
    const auto command = EditCommandNamed(item.Name());
    if (item.AutoEnable() && command) action->setEnabled(CanRun(*command));
  });
}

void AddItems(QMenu* menu, MenuItem& parent) {
  for (const auto& child : parent.Children()) AddItem(menu, *child);
}

}  // namespace

QMenuBar* BuildMenuBar(MenuBar& menuBar, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  for (const auto& item : menuBar.Children()) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromStdString(item->Name()));
    Show(*item, menu->menuAction());
    AddItems(menu, *item);
  }
  return bar;
}

}  // namespace platform::detail
