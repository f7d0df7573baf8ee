#include "platform/Label.h"

#include <QLabel>

#include "Dispatch.h"
#include "Ink.h"
#include "WindowContent.h"

namespace platform {

Label::Label(Window& window) : Control(new QLabel(detail::ContentOf(window))) {}

void Label::Apply(const LabelDesign& design) {
  auto* label = static_cast<QLabel*>(widget_);
  Place(design.box, design.tabIndex, design.helpTag, design.style);
  label->setText(QString::fromStdString(design.text));
  const Qt::Alignment horizontal = design.align == Align::Right    ? Qt::AlignRight
                                   : design.align == Align::Center ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
  label->setAlignment(horizontal | Qt::AlignVCenter);
  detail::UseDesignColours(label, detail::ColorOf(design.textColor), std::nullopt);
  label->setWordWrap(design.multiline);
  captions_ = design.captions;
}

std::string Label::Text() const {
  detail::RequireMainThread();
  return static_cast<QLabel*>(widget_)->text().toStdString();
}

void Label::SetText(const std::string& text) {
  detail::RequireMainThread();
  static_cast<QLabel*>(widget_)->setText(QString::fromStdString(text));
}

}  // namespace platform
