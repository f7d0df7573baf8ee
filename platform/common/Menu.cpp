#include "platform/Menu.h"

#include <functional>

#include "platform/Exceptions.h"
#include "runtime/Dispatch.h"
#include "widgets/EditCommands.h"

namespace platform {

void MenuItem::SetName(const std::string& name) {
  detail::RequireMainThread();
  name_ = name;
}

void MenuItem::SetText(const std::string& text) {
  detail::RequireMainThread();
  text_ = text;
  Changed();
}

void MenuItem::SetKeyboardShortcut(const std::string& shortcut) {
  detail::RequireMainThread();
  shortcut_ = shortcut;
  Changed();
}

void MenuItem::SetAutoEnable(bool autoEnable) {
  detail::RequireMainThread();
  autoEnable_ = autoEnable;
}

void MenuItem::SetVisible(bool visible) {
  detail::RequireMainThread();
  visible_ = visible;
  Changed();
}

void MenuItem::Append(std::unique_ptr<MenuItem> child) {
  detail::RequireMainThread();
  if (child == nullptr) throw NilObjectException("no menu item to append to " + name_);
  children_.push_back(std::move(child));
}

MenuItem* MenuItem::Child(std::string_view name) const {
  detail::RequireMainThread();
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
  }
  return nullptr;
}

void MenuItem::Follow(std::function<bool(const MenuItem&)> show) {
  detail::RequireMainThread();
  if (show(*this)) shows_.push_back(std::move(show));
}

void MenuItem::Changed() {
  std::erase_if(shows_, [this](const auto& show) { return !show(*this); });
}

bool MenuItem::Action() {
  const detail::EditCommand* command = detail::EditCommandNamed(name_);
  if (command == nullptr) return false;
  detail::Run(*command);
  return true;
}

MenuItem* MenuBar::Lookup(std::string_view name) const {
  detail::RequireMainThread();
  const std::function<MenuItem*(const MenuItem&)> search = [&](const MenuItem& parent) {
    for (const auto& child : parent.Children()) {
      if (child->Name() == name) return child.get();
      if (MenuItem* found = search(*child)) return found;
    }
    return static_cast<MenuItem*>(nullptr);
  };
  return search(*this);
}

}  // namespace platform
