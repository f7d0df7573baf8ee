#include "platform/Window.h"

#include <algorithm>

#include "platform/Label.h"
#include "platform/TextField.h"
#include "platform/Translation.h"
#include "runtime/Dispatch.h"
#include "widgets/Widgets.h"

namespace platform {
namespace {

// Every window the platform built, open or closed: they live as long as the page.
std::vector<std::unique_ptr<Window>>& AllWindows() {
  static auto* windows = new std::vector<std::unique_ptr<Window>>;
  return *windows;
}

std::vector<Window*>& OpenWindowList() {
  static auto* windows = new std::vector<Window*>;
  return *windows;
}

}  // namespace

MainWindowWidget::MainWindowWidget() : web::Element("div") {
  SetAttribute("class", "window");
  menuBar.SetAttribute("role", "menubar");
  content.SetAttribute("class", "content");
  Append(menuBar);
  Append(content);
}

Window::Window() : widget_(new MainWindowWidget()) {}

Window::~Window() {
  for (auto& control : controls_) control->DetachHandlers();
  controls_.clear();
  delete widget_;
}

Window& Window::Open(std::unique_ptr<Window> window) {
  Window& opened = *window;
  opened.Layout();
  opened.CreateControls();
  opened.FinishConstruction();
  AllWindows().push_back(std::move(window));
  OpenWindowList().push_back(&opened);
  opened.open_ = true;
  for (auto& control : opened.controls_) control->Opened();
  opened.FitDesign();
  if (opened.visible_) web::Script().call<void>("show", opened.widget_->node);
  return opened;
}

const std::vector<Window*>& Window::OpenWindows() { return OpenWindowList(); }

void Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
  if (control == nullptr) throw NilObjectException("no control to register as \"" + name + "\"");
  if (ControlByName(name) != nullptr) {
    throw InvalidArgumentException("the window already has a control named \"" + name + "\"");
  }
  control->name_ = name;
  control->widget_->SetAttribute("id", name);
  controls_.push_back(std::move(control));
}

Control* Window::ControlByName(std::string_view name) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [name](const auto& control) { return control->Name() == name; });
  return found == controls_.end() ? nullptr : found->get();
}

void Window::Apply(const WindowDesign& design) {
  emscripten::val::global("document").set("title", Translated(design.title));
  designWidth_ = design.width;
  designHeight_ = design.height;
  widget_->content.SetStyle("--width", std::to_string(design.width));
  widget_->content.SetStyle("--height", std::to_string(design.height));
  if (!design.menuBarVisible) widget_->menuBar.SetAttribute("hidden", "");
  visible_ = design.visible;
}

void Window::SetMenuBar(MenuBar& menuBar) {
  menuBar_ = &menuBar;
  detail::BuildMenuBar(menuBar, widget_->menuBar);
}

void Window::Close() {
  if (open_) Closed();
}

// The page's tab order is its elements' order: the controls that take the focus are placed in
// the design's tab order.
void Window::FinishConstruction() {
  std::vector<Control*> focusOrder;
  for (auto& control : controls_) {
    if (control->TakesFocus()) focusOrder.push_back(control.get());
  }
  std::stable_sort(focusOrder.begin(), focusOrder.end(), [](const Control* a, const Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  for (Control* control : focusOrder) widget_->content.Append(*control->widget_);
  for (auto& control : controls_) {
    auto* label = dynamic_cast<Label*>(control.get());
    if (label != nullptr && !label->Captions().empty()) {
      label->Caption(ControlAs<TextField>(label->Captions()));
    }
  }
}

// page.js widens the boxes where the page's font draws a caption wider than its box.
void Window::FitDesign() { web::Script().call<void>("fit", widget_->content.node); }

void Window::Closed() {
  open_ = false;
  std::erase(OpenWindowList(), this);
  detail::Deliver([this] { Event_Close(); });
}

web::Element* WidgetOf(const Window& window) { return window.widget_; }

namespace detail {
void FitOpenWindows() {
  for (Window* window : OpenWindowList()) window->FitDesign();
}

web::Element& ContentOf(Window& window) {
  return static_cast<MainWindowWidget*>(WidgetOf(window))->content;
}
}  // namespace detail

void DestroyAllWindows() {
  OpenWindowList().clear();
  AllWindows().clear();
}

}  // namespace platform
