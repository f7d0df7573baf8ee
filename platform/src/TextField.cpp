#include "platform/TextField.h"

#include <QGuiApplication>

#include "Dispatch.h"
#include "Ink.h"
#include "LineEdit.h"
#include "PropertyValues.h"
#include "WindowContent.h"

namespace platform {

TextField::TextField(Window& window)
    : Control(new LineEdit(
          detail::ContentOf(window),
          [this](const std::string& key) { detail::Deliver([&] { KeyUp.Raise(*this, key); }); })),
      edit_(static_cast<LineEdit*>(widget_)) {
  QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] {
    detail::Deliver([&] { TextChange.Raise(*this); });
    edit_->AfterTextChange();
  });
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

bool TextField::ApplyProperty(const Property& property) {
  using detail::Require;
  using detail::ValueOf;
  const std::string& name = property.name;
  if (name == "Text") {
    SetText(ValueOf<std::string>(property));
  } else if (name == "Border") {
    edit_->setFrame(ValueOf<bool>(property));
  } else if (name == "Password") {
    edit_->setEchoMode(ValueOf<bool>(property) ? QLineEdit::Password : QLineEdit::Normal);
  } else if (name == "ReadOnly") {
    edit_->setReadOnly(ValueOf<bool>(property));
  } else if (name == "CueText") {
    edit_->setPlaceholderText(detail::TextOf(property));
  } else if (name == "LimitText") {
    // No limit of the design's own is the toolkit's standard one, as in every text field: a
    // paste of megabytes keeps its first 32,767 characters instead of freezing the window.
    const auto limit = ValueOf<std::int64_t>(property);
    edit_->setMaxLength(limit > 0 && limit < kStandardMaxLength ? static_cast<int>(limit)
                                                                : kStandardMaxLength);
  } else if (name == "Alignment") {
    const auto alignment = ValueOf<std::int64_t>(property);
    edit_->setAlignment((alignment == 3   ? Qt::AlignRight
                         : alignment == 2 ? Qt::AlignHCenter
                                          : Qt::AlignLeft) |
                        Qt::AlignVCenter);
  } else if (name == "TextColor" || name == "BackColor") {
    // Either colour may come first: the text is checked against the background each time.
    QPalette palette = edit_->palette();
    if (name == "BackColor") {
      palette.setColor(QPalette::Base, detail::FieldBase(detail::ColorOf(property), palette));
    }
    const QColor ink =
        name == "TextColor" ? detail::ColorOf(property) : palette.color(QPalette::Text);
    palette.setColor(QPalette::Text,
                     detail::LegibleInk(ink, palette.color(QPalette::Base),
                                        QGuiApplication::palette().color(QPalette::Text)));
    edit_->setPalette(palette);
  } else if (name == "Format" || name == "Mask") {
    // Display formats and input masks are not supported: any text can be typed.
    Require<std::string>(property, "");
  } else if (name == "AcceptTabs") {
    Require<bool>(property, false);
  } else if (name == "UseFocusRing" || name == "AutomaticallyCheckSpelling") {
    // Qt draws the focus frame itself and has no spell checking in line edits.
    ValueOf<bool>(property);
  } else {
    return Control::ApplyProperty(property);
  }
  return true;
}

}  // namespace platform
