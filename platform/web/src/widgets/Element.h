#pragma once

// widgets/: the page's elements that a window and its controls are made of, the menu bar, and
// the Edit menu's commands on the focused field.

#include <string>

namespace platform::web {

// The page's elements are known to the program by their number in page.js's table; these reach
// them (page/library.js). A new element is not in the page until appended.
int Create(const char* tag);
// page.js's function `name`, given the element numbered `node` (0: none), the texts and the
// number: what it answers, as a number, or as a text.
int Call(const char* name, int node = 0, const std::string& a = {}, const std::string& b = {},
         const std::string& c = {}, int number = 0);
std::string CallForText(const char* name, int node = 0, const std::string& a = {}, int number = 0);

// An element made by the platform for a window or a control. What the user does with it reaches
// the program through page.js, which calls the functions that runtime/Page.cpp exports.
class Element {
 public:
  explicit Element(const char* tag) : node(Create(tag)) {}
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  // Takes the element out of the page.
  ~Element();

  void SetAttribute(const char* name, const std::string& value);
  void RemoveAttribute(const char* name);
  void SetStyle(const char* property, const std::string& value);
  void SetText(const std::string& text);
  void Append(Element& child);
  // One of the element's properties ("value", "tabIndex"), as a text or as a number.
  std::string Property(const char* name) const { return CallForText("property", node, name); }
  int Number(const char* name) const { return Call("number", node, name); }

  const int node;
};

}  // namespace platform::web

namespace platform {
class Window;
}

namespace platform::detail {

// The element that holds a window's controls (its content area below the menu bar).
web::Element& ContentOf(Window& window);

}  // namespace platform::detail
