#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Control.h"
#include "platform/Design.h"
#include "platform/Exceptions.h"
#include "platform/Menu.h"
#include "platform/Native.h"

namespace platform {

class MainWindowWidget;

namespace detail {
// Fits every open window's design to the desktop's font and screen again.
void FitOpenWindows();
}  // namespace detail

// `found`, checked to be of class T: the one typed lookup of controls and menu items. Raises
// NilObjectException when nothing was found and IllegalCastException for another class.
template <class T, class Found>
T& Require(Found* found, const std::string& what) {
  if (found == nullptr) throw NilObjectException("there is no " + what);
  auto* typed = dynamic_cast<T*>(found);
  if (typed == nullptr) throw IllegalCastException(what + " is of another class than asked");
  return *typed;
}

// A top-level window and the controls it owns.
//
// A window is built by Window::Open: the platform runs Layout, then CreateControls, raises
// Open on the controls, and shows the window if its design says Visible. Closing it raises
// Event_Close. The window owns its controls; they are found by the name they were registered
// under and are never removed.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  // Builds and opens `window`; the platform keeps it until the program ends.
  static Window& Open(std::unique_ptr<Window> window);

  // The open window of class W, or nullptr.
  template <class W>
  static W* FindOpen();

  // The open window of class W, built and opened first if there is none.
  template <class W>
  static W& ImplicitInstance();

  // A new control of class C for this window, not yet registered.
  template <class C>
  std::unique_ptr<C> New() {
    return std::make_unique<C>(*this);
  }
  // Registers `control` under `name`; the window owns it from then on. A name can be
  // registered once only (InvalidArgumentException).
  void AddControl(const std::string& name, std::unique_ptr<Control> control);
  // The control registered under `name`, or nullptr.
  Control* ControlByName(std::string_view name) const;
  // The control registered under `name`, checked to be of class C.
  template <class C>
  C& ControlAs(std::string_view name) const {
    return Require<C>(ControlByName(name), "control named \"" + std::string(name) + "\"");
  }
  // The item named `name` of the window's menu bar, checked to be of class Item.
  template <class Item>
  Item& MenuItemAs(std::string_view name) const {
    MenuItem* item = menuBar_ != nullptr ? menuBar_->Lookup(name) : nullptr;
    return Require<Item>(item, "menu item named \"" + std::string(name) + "\"");
  }

  // Sets the window's design; Layout calls it.
  void Apply(const WindowDesign& design);

  void SetMenuBar(MenuBar& menuBar);
  MenuBar* GetMenuBar() const { return menuBar_; }

  bool IsOpen() const { return open_; }
  // Asks the window to close, as its close button does.
  void Close();

 protected:
  Window();

  // Construction steps and the Close event; the platform calls them.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Close() {}

 private:
  friend class MainWindowWidget;
  friend native::Widget* WidgetOf(const Window& window);

  friend void detail::FitOpenWindows();

  static const std::vector<Window*>& OpenWindows();
  void FinishConstruction();
  // The controls that take the focus, in the design's tab order.
  std::vector<Control*> FocusOrder() const;
  void FitDesign();
  void Show();
  void Closed();

  std::vector<std::unique_ptr<Control>> controls_;
  MainWindowWidget* widget_;
  MenuBar* menuBar_ = nullptr;
  int designWidth_ = 0;
  int designHeight_ = 0;
  bool visible_ = true;
  bool open_ = false;
};

template <class W>
W* Window::FindOpen() {
  for (Window* window : OpenWindows()) {
    if (auto* found = dynamic_cast<W*>(window)) return found;
  }
  return nullptr;
}

template <class W>
W& Window::ImplicitInstance() {
  if (W* open = FindOpen<W>()) return *open;
  return static_cast<W&>(Open(std::make_unique<W>()));
}

// Closes and destroys every window; the runtime does this before it shuts Qt down.
void DestroyAllWindows();

}  // namespace platform
