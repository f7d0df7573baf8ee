#include "platform/TextField.h"

#include <algorithm>

#include "desktop/Ink.h"
#include "platform/Translation.h"
#include "runtime/Dispatch.h"
#include "widgets/LineEdit.h"
#include "widgets/Widgets.h"

namespace platform {

TextField::TextField(Window& window)
    : Control(new LineEdit(
          detail::ContentOf(window),
          [this](const std::string& key) { detail::Deliver([&] { KeyUp.Raise(*this, key); }); })),
      edit_(qobject_cast<LineEdit*>(widget_)) {
  QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] {
    detail::Deliver([&] { TextChange.Raise(*this); });
    edit_->AfterTextChange();
  });
}

void TextField::Apply(const TextFieldDesign& design) {
  Place(design.box, design.tabIndex, {}, {});
  // The design writes a number with a decimal point; the window, as the user's language does.
  std::string text = design.text;
  if (design.number) std::replace(text.begin(), text.end(), '.', WindowNumbers().decimal);
  SetText(text);
  edit_->setMaxLength(kStandardMaxLength);
  edit_->SetHoldsNumber(design.number);
  detail::UseDesignColors(edit_, detail::ColorOf(design.textColor),
                          detail::ColorOf(design.backColor));
}

std::string TextField::Text() const {
  detail::RequireMainThread();
  return edit_->text().toStdString();
}

void TextField::SetText(const std::string& text) {
  detail::CallQt([&] {
    edit_->setText(QString::fromStdString(text));
    edit_->setCursorPosition(0);
  });
}

}  // namespace platform
