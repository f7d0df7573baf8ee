#pragma once

#include <string>
#include <vector>

#include "platform/Numbers.h"
#include "widgets/Element.h"

namespace platform {

class Control;
class MenuBar;
class Window;

web::Element* WidgetOf(const Control& control);
web::Element* WidgetOf(const Window& window);

// The page's side of a Label: its element and the text it shows (page.js keeps the words a
// screen reader reads for it).
class LabelWidget final : public web::Element {
 public:
  LabelWidget() : web::Element("div") {}
  std::string shown;
};

// The page's side of a TextField: an input element.
class LineEdit final : public web::Element {
 public:
  LineEdit() : web::Element("input") {}
  bool holdsNumber = false;
};

// The page's side of a PopupMenu: a select element, with the rows' tags.
class ListBox final : public web::Element {
 public:
  ListBox() : web::Element("select") {}
  std::vector<Variant> tags;
};

// The page's side of a Window: its menu bar and its content area, in a section of the page.
class MainWindowWidget final : public web::Element {
 public:
  MainWindowWidget();
  web::Element menuBar{"div"};
  web::Element content{"div"};
};

}  // namespace platform

namespace platform::detail {

// The page's menu bar for `menuBar`'s tree, in `bar`: a menu button and menu for each item with
// children, a separator for each "-", a menu item for every other item, which calls the item's
// Action when chosen. The menus follow later changes of the items.
void BuildMenuBar(MenuBar& menuBar, web::Element& bar);

// The design separates tooltip lines with a carriage return; the page, with a line feed.
std::string TooltipText(std::string text);

}  // namespace platform::detail
