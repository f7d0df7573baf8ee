#pragma once

#include <string>

#include "platform/Control.h"
#include "platform/Event.h"

namespace platform {

class LineEdit;

// A single-line text input.
//
// TextChange is raised at every change of the text, whoever made it. KeyUp is raised, with
// the key's text, at every real release of a key that was pressed in this field (auto-repeat
// is not a release). A change the user makes without a key release in the field (the mouse,
// the Edit menu, drag and drop, an input method) raises KeyUp once, with an empty key, after
// its TextChange, so that KeyUp follows every user edit. Text written with SetText raises
// TextChange only. A field holds at most the toolkit's standard 32,767 characters; SetText
// and a paste keep the text's start.
class TextField final : public Control {
 public:
  explicit TextField(Window& window);

  void Apply(const TextFieldDesign& design);

  std::string Text() const;
  // Replaces the text and shows it from its start.
  void SetText(const std::string& text);

  Event<TextField&> TextChange;
  Event<TextField&, const std::string&> KeyUp;

 protected:
  void DetachHandlers() override {
    TextChange.DetachAll();
    KeyUp.DetachAll();
  }

 private:
  LineEdit* edit_;
};

}  // namespace platform
