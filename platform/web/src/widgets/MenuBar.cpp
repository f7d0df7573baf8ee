#include "platform/Menu.h"
#include "widgets/EditCommands.h"
#include "widgets/Listeners.h"
#include "widgets/Widgets.h"

namespace platform::detail {
namespace {

// A new element of the menu bar, which stays as long as the page.
int Make(const char* tag, const char* role) { return web::Call("menuNode", 0, tag, role); }

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
void Follow(MenuItem& item, int element) {
  item.Follow([element](const MenuItem& shown) {
    const auto [text, key] = Mnemonic(shown.Text());
    const std::string shortcut = Shortcut(shown.KeyboardShortcut());
    web::Call("showItem", element, text, key, shortcut, shown.Visible());
    return true;
  });
}

}  // namespace

void BuildMenuBar(MenuBar& menuBar, web::Element& bar) {
  for (const auto& menu : menuBar.Children()) {
    const int button = Make("button", "menuitem");
    const int list = Make("div", "menu");
    for (const auto& child : menu->Children()) {
      if (child->Text() == "-") {
        web::Call("appendNode", list, std::to_string(Make("div", "separator")));
        continue;
      }
      const int entry = Make("div", "menuitem");
      web::Call("setNumber", entry, "vdItem", {}, {}, web::MenuItemNumber(*child));
      // The browser carries out an edit's shortcut in the field itself.
      web::Call("setNumber", entry, "vdEdit", {}, {}, EditCommandNamed(child->Name()) != nullptr);
      Follow(*child, entry);
      web::Call("appendNode", list, std::to_string(entry));
    }
    Follow(*menu, button);
    web::Call("addMenu", bar.node, std::to_string(button), std::to_string(list));
  }
}

}  // namespace platform::detail
