#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Properties.h"

class QWidget;

namespace platform {

class Window;

// A control of a window: the common part of labels, text fields and popups. A control is
// created for a window (Window::New), registered there under its name (Window::AddControl),
// and given its design values in one step (ApplyProperties). It keeps no calculator state of
// its own beyond what its widget shows.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  // The name the window registered the control under; empty until then.
  const std::string& Name() const { return name_; }

  // Sets every property of `list`, in order. A property this kind of control does not have,
  // or a value of another type than the property's, raises InvalidPropertyException.
  void ApplyProperties(const PropertyList& list);

  std::int64_t TabIndex() const { return tabIndex_; }
  bool TakesFocus() const;

 protected:
  explicit Control(QWidget* widget);

  // Sets one property; returns false if the control has no property of that name.
  virtual bool ApplyProperty(const Property& property);
  // Raises Open, once the window has been constructed.
  virtual void Opened() {}
  // Drops every handler attached to the control's events.
  virtual void DetachHandlers() {}

  QWidget* widget_;

 private:
  friend class Window;
  friend QWidget* WidgetOf(const Control& control);
  struct Design;

  std::string name_;
  std::int64_t tabIndex_ = 0;
  std::unique_ptr<Design> design_;
};

}  // namespace platform
