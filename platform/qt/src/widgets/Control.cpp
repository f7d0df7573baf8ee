#include "platform/Control.h"

#include <QApplication>
#include <QFont>
#include <QRect>
#include <QWidget>

#include "desktop/Scale.h"
#include "platform/Translation.h"
#include "runtime/Dispatch.h"
#include "widgets/Widgets.h"

namespace platform {

Control::Control(QWidget* widget) : widget_(widget) {}

Control::~Control() {
  // Nothing may call back into a half-destroyed control. Every connection of the control's
  // own has the widget as its receiver; Qt's own (the accessibility cache's) must stay, to see
  // the widget go.
  QObject::disconnect(widget_, nullptr, widget_, nullptr);
  delete widget_;
}

bool Control::TakesFocus() const { return (widget_->focusPolicy() & Qt::TabFocus) != 0; }

void Control::Place(const Box& box, int tabIndex, const Message& helpTag, const TextStyle& style) {
  detail::RequireMainThread();
  box_ = box;
  style_ = style;
  tabIndex_ = tabIndex;
  widget_->setToolTip(detail::TooltipText(Translated(helpTag)));
  Control::Rescale();
}

void Control::Rescale() {
  widget_->setGeometry(detail::ScaledBox(box_));
  // Each font of its own costs a font engine; the default one is the application's, shared by
  // every control and the menus. A font of its own is for emphasis, so it keeps kerning.
  if (style_.size == 0 && !style_.bold && !style_.italic) {
    widget_->setFont(QFont());
    return;
  }
  QFont font = QApplication::font();
  font.setPixelSize(detail::PixelSize(style_.size));
  font.setBold(style_.bold);
  font.setItalic(style_.italic);
  font.setStyleStrategy(QFont::PreferDefault);
  widget_->setFont(font);
}

QWidget* WidgetOf(const Control& control) { return control.widget_; }

}  // namespace platform
