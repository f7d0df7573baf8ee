#include "platform/Window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "desktop/FocusRing.h"
#include "desktop/Scale.h"
#include "platform/Label.h"
#include "platform/TextField.h"
#include "runtime/Dispatch.h"
#include "text/Translation.h"
#include "widgets/Widgets.h"

namespace platform {

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

Window::Window() : widget_(new MainWindowWidget(this)) {
  detail::RingFocus(widget_->centralWidget());
}

Window::~Window() {
  // The subclass is gone: no event may reach its handlers while the widgets are torn down.
  for (auto& control : controls_) control->DetachHandlers();
  widget_->Disown();
  controls_.clear();
  delete widget_;
}

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

void Window::Apply(const WindowDesign& design) {
  detail::RequireMainThread();
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (design.closeButton) flags |= Qt::WindowCloseButtonHint;
  if (design.minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (design.maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
  // The window's size is fixed: on Windows its frame is too, with no sizing border whose
  // cursors promise what it does not do.
  flags |= Qt::MSWindowsFixedSizeDialogHint;
  widget_->setWindowFlags(flags);
  widget_->setWindowTitle(detail::Translated(design.title));
  // The design gives the content area's size; the window grows by the menu bar's height.
  designWidth_ = design.width;
  designHeight_ = design.height;
  widget_->centralWidget()->setFixedSize(detail::Scaled(design.width),
                                         detail::Scaled(design.height));
  widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  widget_->menuBar()->setVisible(design.menuBarVisible);
  visible_ = design.visible;
}

void Window::SetMenuBar(MenuBar& menuBar) {
  detail::RequireMainThread();
  menuBar_ = &menuBar;
  widget_->setMenuBar(detail::BuildMenuBar(menuBar, widget_));
}

void Window::Show() { widget_->show(); }

void Window::Close() {
  detail::CallQt([this] { widget_->close(); });
}

void Window::FinishConstruction() {
  const std::vector<Control*> focusOrder = FocusOrder();
  for (std::size_t i = 1; i < focusOrder.size(); ++i) {
    QWidget::setTabOrder(focusOrder[i - 1]->widget_, focusOrder[i]->widget_);
  }
  if (!focusOrder.empty()) focusOrder.front()->widget_->setFocus();

  for (auto& control : controls_) {
    auto* label = dynamic_cast<Label*>(control.get());
    if (label != nullptr && !label->Captions().empty()) {
      label->Caption(ControlAs<TextField>(label->Captions()));
    }
  }
}

// Room left on the screen for a window manager's frame and title bar.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

// The boxes grow beyond the type where the desktop's font draws a text wider than the design's
// box for it (a monospace font, for one), and the whole design shrinks to stay on the screen,
// its type with it, where the desktop's font would make it larger.
void Window::FitDesign() {
  static bool fitting = false;  // setting the scales changes the application's font
  if (fitting || designWidth_ <= 0 || designHeight_ <= 0) return;
  fitting = true;
  double type = detail::DesktopScale();
  // The texts are measured in the design's own boxes and type, before a label fits itself.
  detail::SetScales(type, type);
  double box = type;
  for (auto& control : controls_) {
    control->Control::Rescale();
    const auto* label = dynamic_cast<const Label*>(control.get());
    if (label == nullptr) continue;
    const int width = label->OpeningTextWidth();
    if (width > detail::ScaledBox(label->DesignBox()).width()) {
      box = std::max(box, double(width + 1) / label->DesignBox().width);
    }
  }
  if (const QScreen* screen = widget_->screen()) {
    const QRect available = screen->availableGeometry();
    const int menuBar =
        widget_->menuBar()->isVisible() ? widget_->menuBar()->sizeHint().height() : 0;
    const double fits =
        std::min(double(available.width() - kFrameWidth) / designWidth_,
                 double(available.height() - kFrameHeight - menuBar) / designHeight_);
    if (box > fits) {
      type *= fits / box;
      box = fits;
    }
  }
  detail::SetScales(type, box);
  for (auto& control : controls_) control->Rescale();
  widget_->centralWidget()->setFixedSize(detail::Scaled(designWidth_),
                                         detail::Scaled(designHeight_));
  fitting = false;
}

QWidget* WidgetOf(const Window& window) { return window.widget_; }

namespace detail {
QWidget* ContentOf(Window& window) {
  return static_cast<QMainWindow*>(WidgetOf(window))->centralWidget();
}
}  // namespace detail

}  // namespace platform
