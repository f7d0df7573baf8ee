#include "widgets/Listeners.h"

#include <map>
#include <vector>

#include "platform/Menu.h"
#include "runtime/Dispatch.h"
#include "widgets/EditCommands.h"
#include "widgets/Element.h"

namespace platform::web {
namespace {

std::map<int, Listener>& Listeners() {
  static std::map<int, Listener> listeners;
  return listeners;
}

std::vector<MenuItem*>& MenuItems() {
  static std::vector<MenuItem*> items;
  return items;
}

}  // namespace

void Listen(Element& element, Listener listener) {
  Listeners()[element.node] = std::move(listener);
  Call("listen", element.node);
}

void Forget(const Element& element) { Listeners().erase(element.node); }

void Dispatch(int node, const std::string& event, const std::string& key) {
  detail::Deliver([&] {
    const auto found = Listeners().find(node);
    if (found != Listeners().end()) found->second(event, key);
  });
}

int MenuItemNumber(MenuItem& item) {
  MenuItems().push_back(&item);
  return static_cast<int>(MenuItems().size()) - 1;
}

void Choose(int number) {
  if (number < 0 || number >= static_cast<int>(MenuItems().size())) return;
  detail::Deliver([&] { MenuItems()[number]->Action(); });
}

bool CanChoose(int number) {
  if (number < 0 || number >= static_cast<int>(MenuItems().size())) return false;
  const MenuItem& item = *MenuItems()[number];
  const detail::EditCommand* command = detail::EditCommandNamed(item.Name());
  return !item.AutoEnable() || command == nullptr || detail::CanRun(*command);
}

}  // namespace platform::web
