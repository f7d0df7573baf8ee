#pragma once

#include <cstdint>
#include <string>

#include "platform/Design.h"
#include "platform/Native.h"

namespace platform {

class Window;

// A control of a window: the common part of labels, text fields and popups. A control is
// created for a window (Window::New), registered there under its name (Window::AddControl),
// and given its design record in one step (its class's Apply). It keeps no calculator state of
// its own beyond what its widget shows.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  // The name the window registered the control under; empty until then.
  const std::string& Name() const { return name_; }

  std::int64_t TabIndex() const { return tabIndex_; }
  bool TakesFocus() const;

 protected:
  explicit Control(native::Widget* widget);

  // Places the widget in `box`, in the tab order at `tabIndex`, with `helpTag` as its tooltip
  // and its text in `style`.
  void Place(const Box& box, int tabIndex, const Message& helpTag, const TextStyle& style);
  // Places the widget and sizes its text again, after the design's scales changed.
  virtual void Rescale();
  const Box& DesignBox() const { return box_; }
  // Raises Open, once the window has been constructed.
  virtual void Opened() {}
  // Drops every handler attached to the control's events.
  virtual void DetachHandlers() {}

  native::Widget* widget_;

 private:
  friend class Window;
  friend native::Widget* WidgetOf(const Control& control);

  std::string name_;
  std::int64_t tabIndex_ = 0;
  Box box_;
  TextStyle style_;
};

}  // namespace platform
