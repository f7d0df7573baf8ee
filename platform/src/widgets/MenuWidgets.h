#pragma once

class QMenuBar;
class QWidget;

namespace platform {
class MenuBar;
}

namespace platform::detail {

// Qt's menu bar for `menuBar`'s tree: a menu for each item with children, a separator for
// each "-", an action for every other item, which calls the item's Action when chosen. The
// menus follow later changes of the items.
QMenuBar* BuildMenuBar(MenuBar& menuBar, QWidget* parent);

}  // namespace platform::detail
