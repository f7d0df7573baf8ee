#include "platform/Window.h"

#include "platform/Label.h"
#include "platform/TextField.h"
#include "platform/Translation.h"
#include "widgets/Widgets.h"

namespace platform {

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

void Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
  if (control == nullptr) throw NilObjectException("no control to register as \"" + name + "\"");
  if (ControlByName(name) != nullptr) {
    throw InvalidArgumentException("the window already has a control named \"" + name + "\"");
  }
  control->name_ = name;
  control->widget_->SetAttribute("id", name);
  controls_.push_back(std::move(control));
}

void Window::Apply(const WindowDesign& design) {
  web::Call("title", 0, Translated(design.title));
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

void Window::Show() { web::Call("show", widget_->node); }

void Window::Close() {
  if (open_) Closed();
}

// The page's tab order is its elements' order: the controls that take the focus are placed in
// the design's tab order.
void Window::FinishConstruction() {
  const std::vector<Control*> focusOrder = FocusOrder();
  for (Control* control : focusOrder) widget_->content.Append(*control->widget_);
  for (auto& control : controls_) {
    auto* label = dynamic_cast<Label*>(control.get());
    if (label != nullptr && !label->Captions().empty()) {
      label->Caption(ControlAs<TextField>(label->Captions()));
    }
  }
}

// page.js widens the boxes where the page's font draws a caption wider than its box.
void Window::FitDesign() { web::Call("fit", widget_->content.node); }

web::Element* WidgetOf(const Window& window) { return window.widget_; }

namespace detail {
web::Element& ContentOf(Window& window) {
  return static_cast<MainWindowWidget*>(WidgetOf(window))->content;
}
}  // namespace detail

}  // namespace platform
