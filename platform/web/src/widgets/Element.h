#pragma once

// widgets/: the page's elements that a window and its controls are made of, the menu bar, and
// the Edit menu's commands on the focused field.

#include <emscripten/val.h>

#include <string>

namespace platform {
struct Color;
}

namespace platform::web {

// An element of the page's document, made by the platform for a window or a control. What the
// user does with it reaches the program through page.js, which calls the functions that
// runtime/Page.cpp exports.
class Element {
 public:
  explicit Element(const char* tag);
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  // Takes the element out of the page.
  ~Element();

  void SetAttribute(const char* name, const std::string& value);
  void RemoveAttribute(const char* name);
  void SetStyle(const char* property, const std::string& value);
  void SetText(const std::string& text);
  void Append(Element& child);

  emscripten::val node;
  // The number page.js passes the element's events on with (widgets/Listeners.h), which the
  // control forgets as it goes; 0: none.
  int listener = 0;
};

// The page's script (page.js): the listeners, the menus' keys, the tooltips, what a screen
// reader is told.
emscripten::val Script();

// A colour as CSS writes it: "#0000ff".
std::string CssColor(Color color);

// Gives `element` the design's ink: as it is on the page's light background, and on its dark
// one, as the desktop keeps a design's colours legible on a dark theme, the nearest colour of
// its hue that reads at 4.5:1 there; a grey (black, as designs mostly have it) takes the
// theme's text colour there.
void UseDesignInk(Element& element, Color ink);

}  // namespace platform::web

namespace platform { class Window; }

namespace platform::detail {


// The element that holds a window's controls (its content area below the menu bar).
web::Element& ContentOf(Window& window);

}  // namespace platform::detail
