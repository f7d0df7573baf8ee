#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

// A line of static text. Raises no events.
class Label final : public Control {
 public:
  explicit Label(Window& window);

  std::string Text() const;
  void SetText(const std::string& text);

 protected:
  bool ApplyProperty(const Property& property) override;
};

}  // namespace platform
