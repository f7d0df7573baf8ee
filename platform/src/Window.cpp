#include "platform/Window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>

#include "Captions.h"
#include "Dispatch.h"
#include "MenuWidgets.h"
#include "PropertyValues.h"
#include "Scale.h"
#include "WindowContent.h"

namespace platform {
namespace {

// Every window the platform built, open or closed; they live until DestroyAllWindows. The
// lists are never destroyed by a static destructor: when the display goes away Qt calls exit()
// from inside the event loop, and widgets destroyed then, with the application object still
// running, crash in its accessibility code. The runtime destroys the windows on a normal end.
std::vector<std::unique_ptr<Window>>& AllWindows() {
  static auto* windows = new std::vector<std::unique_ptr<Window>>;
  return *windows;
}

std::vector<Window*>& OpenWindowList() {
  static auto* windows = new std::vector<Window*>;
  return *windows;
}

}  // namespace

class MainWindowWidget final : public QMainWindow {
 public:
  explicit MainWindowWidget(Window* owner) : owner_(owner) { setCentralWidget(new QWidget(this)); }
  void Disown() { owner_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    if (owner_ != nullptr && owner_->open_) owner_->Closed();
  }

 private:
  Window* owner_;
};

// Design values that take effect together once the whole list has been read.
struct Window::Design {
  int width = 0;
  int height = 0;
  bool closeButton = true;
  bool minimizeButton = true;
  bool maximizeButton = true;
  bool menuBarVisible = true;
  QString title;
};

Window::Window() : design_(std::make_unique<Design>()) {
  detail::UseDefaultPixelSize();
  widget_ = new MainWindowWidget(this);
}

Window::~Window() {
  // The subclass is gone: no event may reach its handlers while the widgets are torn down.
  for (auto& control : controls_) control->DetachHandlers();
  widget_->Disown();
  controls_.clear();
  delete widget_;
}

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
  if (opened.visible_) opened.widget_->show();
  return opened;
}

const std::vector<Window*>& Window::OpenWindows() { return OpenWindowList(); }

void Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
  detail::RequireMainThread();
  if (control == nullptr) throw NilObjectException("no control to register as \"" + name + "\"");
  if (ControlByName(name) != nullptr) {
    throw InvalidArgumentException("the window already has a control named \"" + name + "\"");
  }
  control->name_ = name;
  control->widget_->setObjectName(QString::fromStdString(name));
  controls_.push_back(std::move(control));
}

Control* Window::ControlByName(std::string_view name) const {
  detail::RequireMainThread();
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [name](const auto& control) { return control->Name() == name; });
  return found == controls_.end() ? nullptr : found->get();
}

void Window::ApplyProperties(const PropertyList& list) {
  using detail::Require;
  using detail::ValueOf;
  detail::RequireMainThread();
  Design& design = *design_;
  for (const Property& property : list) {
    const std::string& name = property.name;
    if (name == "Width") {
      design.width = static_cast<int>(ValueOf<std::int64_t>(property));
    } else if (name == "Height") {
      design.height = static_cast<int>(ValueOf<std::int64_t>(property));
    } else if (name == "MinWidth" || name == "MinHeight" || name == "MaxWidth" ||
               name == "MaxHeight") {
      // Only resizeable windows would need limits; the platform builds fixed-size ones.
      ValueOf<std::int64_t>(property);
    } else if (name == "Frame" || name == "MacProcID" || name == "Placement") {
      // The ordinary titled window at the window system's default place.
      Require<std::int64_t>(property, 0);
    } else if (name == "Title") {
      design.title = detail::TextOf(property);
    } else if (name == "CloseButton") {
      design.closeButton = ValueOf<bool>(property);
    } else if (name == "MinimizeButton") {
      design.minimizeButton = ValueOf<bool>(property);
    } else if (name == "MaximizeButton") {
      design.maximizeButton = ValueOf<bool>(property);
    } else if (name == "Resizeable") {
      // Windows here are fixed-size; the design draws its controls for one size.
      Require<bool>(property, false);
    } else if (name == "FullScreen" || name == "FullScreenButton") {
      Require<bool>(property, false);
    } else if (name == "Composite" || name == "LiveResize" || name == "HasBackColor") {
      // No counterpart in Qt, and the window paints the standard background.
      ValueOf<bool>(property);
    } else if (name == "BackColor") {
      ValueOf<Color>(property);
    } else if (name == "Visible") {
      visible_ = ValueOf<bool>(property);
    } else if (name == "MenuBarVisible") {
      design.menuBarVisible = ValueOf<bool>(property);
    } else {
      throw InvalidPropertyException("a window has no design property " + name);
    }
  }
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (design.closeButton) flags |= Qt::WindowCloseButtonHint;
  if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (design.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
  widget_->setWindowFlags(flags);
  widget_->setWindowTitle(design.title);
  // The design gives the content area's size; the window grows by the menu bar's height.
  widget_->centralWidget()->setFixedSize(detail::Scaled(design.width),
                                         detail::Scaled(design.height));
  widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  widget_->menuBar()->setVisible(design.menuBarVisible);
}

void Window::SetMenuBar(MenuBar& menuBar) {
  detail::RequireMainThread();
  menuBar_ = &menuBar;
  widget_->setMenuBar(detail::BuildMenuBar(menuBar, widget_));
}

void Window::Close() {
  detail::CallQt([this] { widget_->close(); });
}

void Window::FinishConstruction() {
  std::vector<Control*> focusOrder;
  for (auto& control : controls_) {
    if (control->TakesFocus()) focusOrder.push_back(control.get());
  }
  std::stable_sort(focusOrder.begin(), focusOrder.end(), [](const Control* a, const Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  for (std::size_t i = 1; i < focusOrder.size(); ++i) {
    QWidget::setTabOrder(focusOrder[i - 1]->widget_, focusOrder[i]->widget_);
  }
  if (!focusOrder.empty()) focusOrder.front()->widget_->setFocus();

  std::vector<QWidget*> widgets;
  for (auto& control : controls_) widgets.push_back(control->widget_);
  detail::ConnectCaptions(widgets);
}

void Window::Closed() {
  open_ = false;
  std::erase(OpenWindowList(), this);
  detail::Deliver([this] { Event_Close(); });
}

QWidget* WidgetOf(const Window& window) { return window.widget_; }

namespace detail {
QWidget* ContentOf(Window& window) {
  return static_cast<QMainWindow*>(WidgetOf(window))->centralWidget();
}
}  // namespace detail

void DestroyAllWindows() {
  OpenWindowList().clear();
  AllWindows().clear();
}

}  // namespace platform
