#include "platform/Control.h"

#include <QFont>
#include <QRect>
#include <QWidget>

#include "Dispatch.h"
#include "Scale.h"
#include "Tooltip.h"

namespace platform {

Control::Control(QWidget* widget) : widget_(widget) {}

Control::~Control() {
  // Nothing may call back into a half-destroyed control.
  QObject::disconnect(widget_, nullptr, nullptr, nullptr);
  delete widget_;
}

bool Control::TakesFocus() const { return (widget_->focusPolicy() & Qt::TabFocus) != 0; }

void Control::Place(const Box& box, int tabIndex, const std::string& helpTag,
                    const TextStyle& style) {
  detail::RequireMainThread();
  widget_->setGeometry(detail::ScaledBox(box));
  tabIndex_ = tabIndex;
  widget_->setToolTip(detail::TooltipText(helpTag));
  QFont font = widget_->font();
  font.setPixelSize(detail::PixelSize(style.size));
  font.setBold(style.bold);
  font.setItalic(style.italic);
  // Each font of its own costs a font engine; the default one is the application's, shared by
  // every control and the menus. A font of its own is for emphasis, so it keeps kerning.
  if (font == widget_->font()) return;
  font.setStyleStrategy(QFont::PreferDefault);
  widget_->setFont(font);
}

QWidget* WidgetOf(const Control& control) { return control.widget_; }

}  // namespace platform
