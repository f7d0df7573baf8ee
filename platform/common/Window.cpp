#include "platform/Window.h"

#include <algorithm>

#include "platform/Label.h"
#include "runtime/Dispatch.h"

// What a window is on either platform: built in its steps, kept, found, closed. The widgets
// behind it are each implementation's widgets/Window.cpp.
namespace platform {
namespace {

// Every window the platform built, open or closed; they live until DestroyAllWindows. The
// lists are never destroyed by a static destructor: when the display goes away Qt calls exit()
// from inside the event loop, and widgets destroyed then, with the application object still
// running, crash in its accessibility code. The runtime destroys the windows on a normal end;
// a page's live as long as the page.
std::vector<std::unique_ptr<Window>>& AllWindows() {
  static auto* windows = new std::vector<std::unique_ptr<Window>>;
  return *windows;
}

std::vector<Window*>& OpenWindowList() {
  static auto* windows = new std::vector<Window*>;
  return *windows;
}

}  // namespace

Window& Window::Open(std::unique_ptr<Window> window) {
  detail::RequireMainThread();
  Window& opened = *window;
  opened.Layout();
  opened.CreateControls();
  opened.FinishConstruction();
  AllWindows().push_back(std::move(window));
  OpenWindowList().push_back(&opened);
  opened.open_ = true;
  for (auto& control : opened.controls_) control->Opened();
  for (auto& control : opened.controls_) {
    if (auto* label = dynamic_cast<Label*>(control.get())) label->KeepOpeningText();
  }
  opened.FitDesign();
  if (opened.visible_) opened.Show();
  return opened;
}

const std::vector<Window*>& Window::OpenWindows() { return OpenWindowList(); }

Control* Window::ControlByName(std::string_view name) const {
  detail::RequireMainThread();
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [name](const auto& control) { return control->Name() == name; });
  return found == controls_.end() ? nullptr : found->get();
}

std::vector<Control*> Window::FocusOrder() const {
  std::vector<Control*> focusOrder;
  for (const auto& control : controls_) {
    if (control->TakesFocus()) focusOrder.push_back(control.get());
  }
  std::stable_sort(focusOrder.begin(), focusOrder.end(), [](const Control* a, const Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  return focusOrder;
}

void Window::Closed() {
  open_ = false;
  std::erase(OpenWindowList(), this);
  detail::Deliver([this] { Event_Close(); });
}

namespace detail {
void FitOpenWindows() {
  for (Window* window : OpenWindowList()) window->FitDesign();
}
}  // namespace detail

void DestroyAllWindows() {
  OpenWindowList().clear();
  AllWindows().clear();
}

}  // namespace platform
