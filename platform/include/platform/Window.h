#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Control.h"
#include "platform/Exceptions.h"
#include "platform/Properties.h"

class QWidget;

namespace platform {

class MenuBar;
class MainWindowWidget;

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
  C& ControlAs(std::string_view name) const;

  void ApplyProperties(const PropertyList& list);

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
  friend QWidget* WidgetOf(const Window& window);
  struct Design;

  static const std::vector<Window*>& OpenWindows();
  void FinishConstruction();
  void Closed();

  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<Design> design_;
  MainWindowWidget* widget_;
  MenuBar* menuBar_ = nullptr;
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

template <class C>
C& Window::ControlAs(std::string_view name) const {
  Control* control = ControlByName(name);
  if (control == nullptr) {
    throw NilObjectException("the window has no control named \"" + std::string(name) + "\"");
  }
  auto* typed = dynamic_cast<C*>(control);
  if (typed == nullptr) {
    throw IllegalCastException("the control named \"" + std::string(name) +
                               "\" is of another class than the one asked for");
  }
  return *typed;
}

// Closes and destroys every window; the runtime does this before it shuts Qt down.
void DestroyAllWindows();

}  // namespace platform
