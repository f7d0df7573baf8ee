#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

// A line of static text. Raises no events.
class Label final : public Control {
 public:
  explicit Label(Window& window);

  void Apply(const LabelDesign& design);

  std::string Text() const;
  void SetText(const std::string& text);

  // The name of the field this label captions, or empty.
  const std::string& Captions() const { return captions_; }

 private:
  std::string captions_;
};

}  // namespace platform
