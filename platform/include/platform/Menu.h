#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A node of a menu tree: a menu (an item with children) or a command. An item whose text is
// "-" is a separator. Items named EditUndo, EditCut, EditCopy, EditPaste, EditClear and
// EditSelectAll carry out the standard edit on the focused text field, and with AutoEnable
// they are enabled only where that edit applies. Menus built from an item follow every later
// change of it.
class MenuItem {
 public:
  MenuItem() = default;
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;
  virtual ~MenuItem() = default;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  // "Cmd+Q" and the like: Cmd is the platform's command modifier (Ctrl, or ⌘ on macOS).
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const std::string& shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool autoEnable);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Makes `child` this item's last child.
  void Append(std::unique_ptr<MenuItem> child);
  // The direct child named `name`, or nullptr.
  MenuItem* Child(std::string_view name) const;
  const std::vector<std::unique_ptr<MenuItem>>& Children() const { return children_; }

  // What choosing the item does: the standard edit for the edit items, nothing otherwise.
  // Returns whether the choice was handled.
  virtual bool Action();

  // Calls `show` now and after every change of the item's text, shortcut or visibility; the
  // menus built from the item use it to follow. `show` returns false once it has nothing left
  // to show the item in, and is then dropped.
  void Follow(std::function<bool(const MenuItem&)> show);

 private:
  std::string name_;
  std::string text_;
  std::string shortcut_;
  bool autoEnable_ = false;
  bool visible_ = true;
  std::vector<std::unique_ptr<MenuItem>> children_;
  std::vector<std::function<bool(const MenuItem&)>> shows_;

  void Changed();
};

// The root of a menu tree; its children are the menus.
class MenuBar : public MenuItem {
 public:
  // The item named `name` anywhere below the bar, or nullptr.
  MenuItem* Lookup(std::string_view name) const;
};

}  // namespace platform
