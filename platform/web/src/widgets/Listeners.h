#pragma once

#include <functional>
#include <string>

namespace platform {
class MenuItem;
}

// How the page's events reach the controls and menu items: each is known to page.js by a number,
// a control by its element's.
namespace platform::web {

class Element;

// What a control does with its element's events: "input" (the user changed the text),
// "keyup" (a key pressed in the element was released: `key` is its text), "change" (the user
// chose a row).
using Listener = std::function<void(const std::string& event, const std::string& key)>;

// Has page.js pass `element`'s events to `listener` while the element exists.
void Listen(Element& element, Listener listener);
void Forget(const Element& element);
// Delivers an event of the element numbered `node`.
void Dispatch(int node, const std::string& event, const std::string& key);

// The number page.js knows `item` by.
int MenuItemNumber(MenuItem& item);
// Carries out the item numbered `number`; whether it is enabled now.
void Choose(int number);
bool CanChoose(int number);

}  // namespace platform::web
