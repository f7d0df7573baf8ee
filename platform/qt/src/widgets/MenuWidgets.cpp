#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include "platform/Menu.h"
#include "runtime/Dispatch.h"
#include "widgets/EditCommands.h"
#include "widgets/Widgets.h"

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
    const EditCommand* command = EditCommandNamed(item.Name());
    if (item.AutoEnable() && command != nullptr) action->setEnabled(CanRun(*command));
  });
}

void AddItems(QMenu* menu, MenuItem& parent) {
  for (const auto& child : parent.Children()) AddItem(menu, *child);
}

// Qt has no public call that enters a menu bar's keyboard navigation or leaves it: both are
// driven by the key events that Qt's own navigation answers, here and nowhere else. Checked on
// Qt 6.4.2, 6.8.2 and 6.11.2 (Debian 12, 13 and testing) by the end-to-end test of F10 and
// Escape.
// - Opening: F10 opens the first menu with its first item active, as on GNOME and KDE, the way
//   Alt then Down do. The bar takes the focus (the field keeps its selection for the Edit
//   menu), Left and Right move between the menus with their first item active, and Escape
//   gives the focus back. Qt enters the navigation on an Alt press that no shortcut takes (the
//   window's shortcut-override query) and the release after it.
// - Leaving: Escape in a menu of the bar closes the menus altogether and gives the focus back to
//   where it was, as on GNOME and KDE; Qt alone would leave the bar holding the focus. A second
//   Escape, once the menu has handled the first, leaves the navigation.
enum class Navigation { OpenFirstMenu, Leave };

void Navigate(QMenuBar* bar, Navigation step) {
  if (step == Navigation::Leave) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(bar, &escape);
    return;
  }
  if (bar->actions().isEmpty()) return;
  if (!bar->style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, bar)) {
    bar->setActiveAction(bar->actions().first());
    return;
  }
  // A modifier key's event reports the modifiers as they are after it: the press's state is
  // given without Alt, the release's with it.
  QKeyEvent altPress(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
  altPress.ignore();
  QApplication::sendEvent(bar->window(), &altPress);
  QKeyEvent altRelease(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
  QApplication::sendEvent(bar, &altRelease);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(bar, &down);
}

class EscapeLeavesMenuBar final : public QObject {
 public:
  explicit EscapeLeavesMenuBar(QMenuBar* bar) : QObject(bar), bar_(bar) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      QTimer::singleShot(0, bar_, [bar = bar_] {
        if (bar->hasFocus()) Navigate(bar, Navigation::Leave);
      });
    }
    return false;
  }

 private:
  QMenuBar* bar_;
};

}  // namespace

QMenuBar* BuildMenuBar(MenuBar& menuBar, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  for (const auto& item : menuBar.Children()) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromStdString(item->Name()));
    Show(*item, menu->menuAction());
    AddItems(menu, *item);
    menu->installEventFilter(new EscapeLeavesMenuBar(bar));
  }
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_F10), parent), &QShortcut::activated, bar,
                   [bar] { Navigate(bar, Navigation::OpenFirstMenu); });
  return bar;
}

}  // namespace platform::detail
