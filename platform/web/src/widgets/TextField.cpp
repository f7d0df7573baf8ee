#include "platform/TextField.h"

#include <algorithm>

#include "platform/Translation.h"
#include "widgets/Ink.h"
#include "widgets/Listeners.h"
#include "widgets/Widgets.h"

namespace platform {
namespace {

// A field for a number whose text, blanks aside, is not wholly one is an invalid entry.
void MarkValidity(LineEdit& edit) {
  if (!edit.holdsNumber) return;
  const bool number = IsNumber(edit.Property("value"), WindowNumbers());
  edit.SetAttribute("aria-invalid", number ? "false" : "true");
}

}  // namespace

TextField::TextField(Window& window)
    : Control(new LineEdit()), edit_(static_cast<LineEdit*>(widget_)) {
  detail::ContentOf(window).Append(*edit_);
  edit_->SetAttribute("type", "text");
  edit_->SetAttribute("autocomplete", "off");
  edit_->SetAttribute("spellcheck", "false");
  // A field holds at most the standard number of UTF-16 code units, as the browser counts them.
  edit_->SetAttribute("maxlength", std::to_string(kStandardMaxLength));
  // page.js sends "keyup" after "input" for a change made without a key release in the field.
  web::Listen(*edit_, [this](const std::string& event, const std::string& key) {
    if (event == "input") {
      MarkValidity(*edit_);
      TextChange.Raise(*this);
    } else if (event == "keyup") {
      KeyUp.Raise(*this, key);
    }
  });
}

void TextField::Apply(const TextFieldDesign& design) {
  Place(design.box, design.tabIndex, {}, {});
  // The design writes a number with a decimal point; the window, as the user's language does.
  std::string text = design.text;
  if (design.number) std::replace(text.begin(), text.end(), '.', WindowNumbers().decimal);
  edit_->holdsNumber = design.number;
  if (design.number) edit_->SetAttribute("inputmode", "decimal");
  web::UseDesignInk(*edit_, design.textColor);
  SetText(text);
  MarkValidity(*edit_);
}

std::string TextField::Text() const { return edit_->Property("value"); }

// Only a text that differs is a change; its first 32,767 code units are kept, from its start.
void TextField::SetText(const std::string& text) {
  if (web::Call("setValue", edit_->node, text) != 0) {
    MarkValidity(*edit_);
    TextChange.Raise(*this);
  }
}

}  // namespace platform
