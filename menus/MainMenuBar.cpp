#include "menus/MainMenuBar.h"

#include <memory>
#include <optional>
#include <string>

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Translation.h"

using platform::MenuItem;
using platform::QuitMenuItem;

namespace {

// A menu node as every node of this bar is made: enabled automatically and visible. A node
// without a shortcut leaves it unset (the separators).
template <class Item>
std::unique_ptr<MenuItem> Node(const char* name, const platform::Message& text,
                               std::optional<const char*> shortcut) {
  auto item = std::make_unique<Item>();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(platform::Translated(text));
  item->SetVisible(true);
  if (shortcut) item->SetKeyboardShortcut(*shortcut);
  return item;
}

// Leaves a node's shortcut unset, as the separators have it.
constexpr std::nullopt_t kNoShortcut = std::nullopt;

// Appends `item` to the bar's menu named `menuName`.
void AttachTo(MainMenuBar& bar, const char* menuName, std::unique_ptr<MenuItem> item) {
  MenuItem* menu = bar.Child(menuName);
  if (menu == nullptr) {
    throw platform::NilObjectException(std::string("the menu bar has no menu ") + menuName);
  }
  menu->Append(std::move(item));
}

}  // namespace

MainMenuBar::MainMenuBar() {
  Untitled0();
  Untitled1();
}

// The menus' titles and items: '&' marks the access key, which is unique within its menu.
void MainMenuBar::Untitled0() {
  Append(Node<MenuItem>("FileMenu", platform::Translatable("menus", "&File"), ""));
  AttachTo(*this, "FileMenu",
           Node<QuitMenuItem>("FileQuit", platform::Translatable("menus", "&Quit"), "Cmd+Q"));
}

void MainMenuBar::Untitled1() {
  Append(Node<MenuItem>("EditMenu", platform::Translatable("menus", "&Edit"), ""));
  AttachTo(*this, "EditMenu",
           Node<MenuItem>("EditUndo", platform::Translatable("menus", "&Undo"), "Cmd+Z"));
  AttachTo(*this, "EditMenu", Node<MenuItem>("EditSeparator1", "-", kNoShortcut));
  AttachTo(*this, "EditMenu",
           Node<MenuItem>("EditCut", platform::Translatable("menus", "Cu&t"), "Cmd+X"));
  AttachTo(*this, "EditMenu",
           Node<MenuItem>("EditCopy", platform::Translatable("menus", "&Copy"), "Cmd+C"));
  AttachTo(*this, "EditMenu",
           Node<MenuItem>("EditPaste", platform::Translatable("menus", "&Paste"), "Cmd+V"));
  AttachTo(*this, "EditMenu",
           Node<MenuItem>("EditClear", platform::Translatable("menus", "&Delete"), ""));
  AttachTo(*this, "EditMenu", Node<MenuItem>("EditSeparator2", "-", kNoShortcut));
  AttachTo(
      *this, "EditMenu",
      Node<MenuItem>("EditSelectAll", platform::Translatable("menus", "Select &All"), "Cmd+A"));
}

MainMenuBar& mainMenuBar() {
  // Filled by the first call; if building fails it stays empty and the next call tries again.
  static std::unique_ptr<MainMenuBar> instance;
  if (instance == nullptr) instance = std::make_unique<MainMenuBar>();
  return *instance;
}
