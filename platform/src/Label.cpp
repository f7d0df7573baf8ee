#include "platform/Label.h"

#include <QGuiApplication>
#include <QLabel>

#include "Dispatch.h"
#include "Ink.h"
#include "PropertyValues.h"
#include "WindowContent.h"

namespace platform {

Label::Label(Window& window) : Control(new QLabel(detail::ContentOf(window))) {}

std::string Label::Text() const {
  detail::RequireMainThread();
  return static_cast<QLabel*>(widget_)->text().toStdString();
}

void Label::SetText(const std::string& text) {
  detail::RequireMainThread();
  static_cast<QLabel*>(widget_)->setText(QString::fromStdString(text));
}

bool Label::ApplyProperty(const Property& property) {
  using detail::ValueOf;
  auto* label = static_cast<QLabel*>(widget_);
  const std::string& name = property.name;
  if (name == "Text") {
    label->setText(detail::TextOf(property));
  } else if (name == "TextAlign") {
    const auto align = ValueOf<std::int64_t>(property);
    const Qt::Alignment horizontal = align == 2   ? Qt::AlignRight
                                     : align == 1 ? Qt::AlignHCenter
                                                  : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignVCenter);
  } else if (name == "TextColor") {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     detail::LegibleInk(detail::ColorOf(property), palette.color(QPalette::Window),
                                        QGuiApplication::palette().color(QPalette::WindowText)));
    label->setPalette(palette);
  } else if (name == "Multiline") {
    label->setWordWrap(ValueOf<bool>(property));
  } else if (name == "Selectable") {
    label->setTextInteractionFlags(ValueOf<bool>(property) ? Qt::TextSelectableByMouse
                                                           : Qt::NoTextInteraction);
  } else if (name == "Transparent") {
    label->setAutoFillBackground(!ValueOf<bool>(property));
  } else {
    return Control::ApplyProperty(property);
  }
  return true;
}

}  // namespace platform
