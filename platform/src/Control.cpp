#include "platform/Control.h"

#include <QFont>
#include <QRect>
#include <QWidget>
#include <limits>

#include "Dispatch.h"
#include "PropertyValues.h"
#include "Scale.h"
#include "Tooltip.h"

namespace platform {

// Design values that take effect together once the whole list has been read.
struct Control::Design {
  QRect geometry;
  QString fontFamily;
  float textSize = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

Control::Control(QWidget* widget) : widget_(widget), design_(std::make_unique<Design>()) {}

Control::~Control() {
  // Nothing may call back into a half-destroyed control.
  QObject::disconnect(widget_, nullptr, nullptr, nullptr);
  delete widget_;
}

bool Control::TakesFocus() const { return (widget_->focusPolicy() & Qt::TabFocus) != 0; }

void Control::ApplyProperties(const PropertyList& list) {
  detail::RequireMainThread();
  for (const Property& property : list) {
    if (!ApplyProperty(property)) {
      throw InvalidPropertyException("control \"" + name_ + "\" has no design property " +
                                     property.name);
    }
  }
  const QRect& box = design_->geometry;
  widget_->setGeometry(detail::ScaledBox(box.left(), box.top(), box.width(), box.height()));
  QFont font = widget_->font();
  if (!design_->fontFamily.isEmpty()) font.setFamily(design_->fontFamily);
  font.setPixelSize(detail::PixelSize(design_->textSize));
  font.setBold(design_->bold);
  font.setItalic(design_->italic);
  font.setUnderline(design_->underline);
  // Each font of its own costs a font engine; the default one is shared with the window. A
  // font of its own is for emphasis, so it keeps the typographer's kerning.
  if (font == widget_->font()) return;
  font.setStyleStrategy(QFont::PreferDefault);
  widget_->setFont(font);
}

bool Control::ApplyProperty(const Property& property) {
  using detail::Require;
  using detail::ValueOf;
  const std::string& name = property.name;
  Design& design = *design_;
  if (name == "Name") {
    if (ValueOf<std::string>(property) != name_) {
      throw InvalidPropertyException("design property Name \"" + ValueOf<std::string>(property) +
                                     "\" differs from the registered name \"" + name_ + "\"");
    }
  } else if (name == "Index") {
    // Controls are found by name alone; control arrays are not supported.
    Require<std::int64_t>(property, std::numeric_limits<std::int32_t>::min());
  } else if (name == "Left") {
    design.geometry.moveLeft(static_cast<int>(ValueOf<std::int64_t>(property)));
  } else if (name == "Top") {
    design.geometry.moveTop(static_cast<int>(ValueOf<std::int64_t>(property)));
  } else if (name == "Width") {
    design.geometry.setWidth(static_cast<int>(ValueOf<std::int64_t>(property)));
  } else if (name == "Height") {
    design.geometry.setHeight(static_cast<int>(ValueOf<std::int64_t>(property)));
  } else if (name == "LockLeft" || name == "LockTop" || name == "LockRight" ||
             name == "LockBottom" || name == "AutoDeactivate") {
    // Windows here never resize and controls look the same in inactive windows.
    ValueOf<bool>(property);
  } else if (name == "TabPanelIndex") {
    Require<std::int64_t>(property, 0);
  } else if (name == "TabIndex") {
    tabIndex_ = ValueOf<std::int64_t>(property);
  } else if (name == "TabStop") {
    widget_->setFocusPolicy(ValueOf<bool>(property) ? Qt::StrongFocus : Qt::ClickFocus);
  } else if (name == "Enabled") {
    widget_->setEnabled(ValueOf<bool>(property));
  } else if (name == "Visible") {
    widget_->setVisible(ValueOf<bool>(property));
  } else if (name == "HelpTag") {
    widget_->setToolTip(detail::TooltipText(ValueOf<std::string>(property)));
  } else if (name == "TextFont") {
    const auto& family = ValueOf<std::string>(property);
    design.fontFamily = family == "System" ? QString() : QString::fromStdString(family);
  } else if (name == "TextSize") {
    design.textSize = ValueOf<float>(property);
  } else if (name == "TextUnit") {
    Require<FontUnit>(property, FontUnit::Default);
  } else if (name == "Bold") {
    design.bold = ValueOf<bool>(property);
  } else if (name == "Italic") {
    design.italic = ValueOf<bool>(property);
  } else if (name == "Underline") {
    design.underline = ValueOf<bool>(property);
  } else if (name == "DataSource" || name == "DataField" || name == "InitialParent") {
    // No data binding and no nesting of controls.
    Require<std::string>(property, "");
  } else {
    return false;
  }
  return true;
}

QWidget* WidgetOf(const Control& control) { return control.widget_; }

}  // namespace platform
