#include "platform/Control.h"

#include "platform/Translation.h"
#include "widgets/Listeners.h"
#include "widgets/Widgets.h"

namespace platform {

Control::Control(native::Widget* widget) : widget_(widget) {}

Control::~Control() {
  web::Forget(*widget_);
  delete widget_;
}

bool Control::TakesFocus() const { return widget_->Number("tabIndex") >= 0; }

// The box in the design's pixels, which page.css scales with the page's font.
void Control::Place(const Box& box, int tabIndex, const Message& helpTag, const TextStyle& style) {
  box_ = box;
  style_ = style;
  tabIndex_ = tabIndex;
  widget_->SetAttribute("class", "control");
  widget_->SetStyle("--left", std::to_string(box.left));
  widget_->SetStyle("--top", std::to_string(box.top));
  widget_->SetStyle("--width", std::to_string(box.width));
  widget_->SetStyle("--height", std::to_string(box.height));
  if (style.size > 0) widget_->SetStyle("--size", std::to_string(style.size));
  if (style.bold) widget_->SetStyle("font-weight", "bold");
  if (style.italic) widget_->SetStyle("font-style", "italic");
  const std::string tip = detail::TooltipText(Translated(helpTag));
  if (!tip.empty()) widget_->SetAttribute("data-tip", tip);
}

void Control::Rescale() {}

web::Element* WidgetOf(const Control& control) { return control.widget_; }

namespace detail {
std::string TooltipText(std::string text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i] == '\r' ? '\n' : text[i];
  }
  return lines;
}
}  // namespace detail

}  // namespace platform
