#include "platform/Menu.h"
#include "widgets/EditCommands.h"
#include "widgets/Listeners.h"
#include "widgets/Widgets.h"

namespace platform::detail {
namespace {

using emscripten::val;

val Make(const char* tag, const char* role) {
  val element = val::global("document").call<val>("createElement", std::string(tag));
  element.call<void>("setAttribute", std::string("role"), std::string(role));
  return element;
}

// The item's text without its access key's '&' ("&&" is one '&'), and the key's letter.
std::pair<std::string, std::string> Mnemonic(const std::string& text) {
  std::string shown;
  std::string key;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&' && key.empty()) key = text.substr(i, 1);
    }
    shown += text[i];
  }
  return {shown, key};
}

// "Cmd+Q" as a page writes it: Ctrl, the command modifier here.
std::string Shortcut(const std::string& shortcut) {
  return shortcut.rfind("Cmd+", 0) == 0 ? "Ctrl+" + shortcut.substr(4) : shortcut;
}

// Shows `item` in `element` (a menu's button, or an item of a menu): its text, access key,
// shortcut and visibility, each time they change.
void Follow(MenuItem& item, val element) {
  item.Follow([element](const MenuItem& shown) mutable {
    const auto [text, key] = Mnemonic(shown.Text());
    const std::string shortcut = Shortcut(shown.KeyboardShortcut());
    web::Script().call<void>("showItem", element, text, key, shortcut, shown.Visible());
    return true;
  });
}

}  // namespace

void BuildMenuBar(MenuBar& menuBar, web::Element& bar) {
  for (const auto& menu : menuBar.Children()) {
    val button = Make("button", "menuitem");
    val list = Make("div", "menu");
    for (const auto& child : menu->Children()) {
      if (child->Text() == "-") {
        list.call<void>("append", Make("div", "separator"));
        continue;
      }
      val entry = Make("div", "menuitem");
      entry.set("vdItem", web::MenuItemNumber(*child));
      // The browser carries out an edit's shortcut in the field itself.
      entry.set("vdEdit", EditCommandNamed(child->Name()) != nullptr);
      Follow(*child, entry);
      list.call<void>("append", entry);
    }
    Follow(*menu, button);
    web::Script().call<void>("addMenu", bar.node, button, list);
  }
}

}  // namespace platform::detail
