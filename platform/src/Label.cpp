#include "platform/Label.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>
#include <utility>

#include "Accessibility.h"
#include "Dispatch.h"
#include "Ink.h"
#include "Scale.h"
#include "WindowContent.h"

namespace platform {

Label::Label(Window& window) : Control(new QLabel(detail::ContentOf(window))) {}

void Label::Apply(const LabelDesign& design) {
  auto* label = static_cast<QLabel*>(widget_);
  if (design.statusLine) detail::MakeStatusLine(label);
  Place(design.box, design.tabIndex, design.helpTag, design.style);
  openingText_ = design.text;
  label->setText(QString::fromStdString(design.text));
  const Qt::Alignment horizontal = design.align == Align::Right    ? Qt::AlignRight
                                   : design.align == Align::Center ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
  label->setAlignment(horizontal | Qt::AlignVCenter);
  detail::UseDesignColors(label, detail::ColorOf(design.textColor), std::nullopt);
  label->setWordWrap(design.multiline);
  captions_ = design.captions;
  helpName_ = design.helpName;
  live_ = design.live;
  Fit();
}

std::string Label::Text() const {
  detail::RequireMainThread();
  return static_cast<QLabel*>(widget_)->text().toStdString();
}

void Label::SetText(const std::string& text) {
  detail::RequireMainThread();
  auto* label = static_cast<QLabel*>(widget_);
  const QString before = label->text();
  label->setText(QString::fromStdString(text));
  Fit();
  if (live_ && label->text() != before) detail::AnnounceLive(label, before);
}

void Label::Rescale() {
  Control::Rescale();
  Fit();
}

bool Label::WrapsOverLines() const {
  const auto* label = static_cast<const QLabel*>(widget_);
  return label->wordWrap() &&
         detail::ScaledBox(DesignBox()).height() >= 2 * QFontMetrics(label->font()).lineSpacing();
}

void Label::KeepOpeningText() { openingText_ = Text(); }

int Label::OpeningTextWidth() const { return TextWidth(openingText_); }

int Label::TextWidth(const std::string& text) const {
  if (WrapsOverLines()) return 0;
  const auto* label = static_cast<const QLabel*>(widget_);
  return QFontMetrics(label->font()).horizontalAdvance(QString::fromStdString(text));
}

void Label::Fit() {
  auto* label = static_cast<QLabel*>(widget_);
  if (std::exchange(outgrown_, false)) Control::Rescale();
  const QRect box = detail::ScaledBox(DesignBox());
  // The glyphs' own advances, which the font keeps, with room for kerning: a text that fits
  // so needs no layout to tell (every change of the result line would otherwise lay it out).
  const QFontMetrics metrics(label->font());
  int advances = metrics.averageCharWidth();
  for (const QChar c : label->text()) {
    advances += c.isSurrogate() ? box.width() : metrics.horizontalAdvance(c);
  }
  if (advances <= box.width()) return;
  const int width = TextWidth(label->text().toStdString());
  if (width <= box.width()) return;
  // The room up to the window's edges on the side the text grows toward.
  const int windowWidth = label->parentWidget()->width();
  QRect room = box;
  const Qt::Alignment alignment = label->alignment() & Qt::AlignHorizontal_Mask;
  if (alignment & Qt::AlignRight) {
    room.setLeft(std::max(0, box.right() + 1 - width));
  } else if (alignment & Qt::AlignHCenter) {
    const int grow = (width - box.width() + 1) / 2;
    room.setLeft(std::max(0, box.left() - grow));
    room.setRight(std::min(windowWidth - 1, box.right() + grow));
  } else {
    room.setRight(std::min(windowWidth - 1, box.left() + width - 1));
  }
  outgrown_ = true;
  label->setGeometry(room);
  QFont font = label->font();
  while (QFontMetrics(font).horizontalAdvance(label->text()) > room.width() &&
         font.pixelSize() > 1) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  if (font != label->font()) label->setFont(font);
}

}  // namespace platform
