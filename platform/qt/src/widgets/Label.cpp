#include "platform/Label.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "accessibility/Announce.h"
#include "desktop/Ink.h"
#include "desktop/Scale.h"
#include "platform/QtAccess.h"
#include "platform/TextField.h"
#include "platform/Translation.h"
#include "runtime/Dispatch.h"
#include "text/Translation.h"
#include "widgets/LineEdit.h"
#include "widgets/Widgets.h"

namespace platform {

Label::Label(Window& window)
    : Control(new LabelWidget(detail::ContentOf(window))),
      label_(qobject_cast<LabelWidget*>(widget_)) {}

void Label::Apply(const LabelDesign& design) {
  label_->statusLine = design.statusLine;
  Place(design.box, design.tabIndex, design.helpTag, design.style);
  label_->setText(detail::Translated(design.text));
  openingText_ = label_->text().toStdString();
  const Qt::Alignment horizontal = design.align == Align::Right    ? Qt::AlignRight
                                   : design.align == Align::Center ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
  label_->setAlignment(horizontal | Qt::AlignVCenter);
  detail::UseDesignColors(label_, detail::ColorOf(design.textColor), std::nullopt);
  label_->setWordWrap(design.multiline);
  captions_ = design.captions;
  helpDescription_ = Translated(design.helpDescription);
  spokenCaption_ = Translated(design.spokenCaption);
  spokenHelp_ = Translated(design.spokenHelp);
  // Orca names a field by its caption's name.
  label_->setAccessibleName(QString::fromStdString(spokenCaption_));
  live_ = design.live;
  if (design.captions.empty())
    label_->setAccessibleDescription(QString::fromStdString(helpDescription_));
  if (!design.copyShortcut.empty()) {
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copy = new QShortcut(QKeySequence(QString::fromStdString(design.copyShortcut)), label_);
    QObject::connect(copy, &QShortcut::activated, label_, [label = label_] {
      QGuiApplication::clipboard()->setText(label->text());
      //: Said when Ctrl+Shift+C copied the result line; %1 is the line, its unit in words.
      const Message copied = Translatable("screen reader", "Copied: %1");
      detail::Announce(label->parentWidget(),
                       detail::Translated(copied).replace(QLatin1String("%1"), label->Spoken()));
    });
  }
  liveChangeName_ = Translated(design.liveChangeName);
  Fit();
}

std::string Label::Text() const {
  detail::RequireMainThread();
  return label_->text().toStdString();
}

void Label::SetText(const std::string& text, const std::string& spoken) {
  detail::RequireMainThread();
  const QString before = label_->Spoken();
  // First: Qt tells a screen reader the label's new name as the text is set.
  label_->spoken = QString::fromStdString(spoken);
  label_->setText(QString::fromStdString(text));
  Fit();
  if (!live_ || label_->Spoken() == before) return;
  detail::AnnounceLive(
      label_, before, [label = label_] { return label->Spoken(); },
      liveChangeName_.empty() ? detail::Saying()
                              : detail::SayChangedWords(QString::fromStdString(liveChangeName_)));
}

void Label::Caption(const TextField& field) {
  auto* edit = qobject_cast<LineEdit*>(WidgetOf(field));
  label_->setBuddy(edit);
  if (!spokenCaption_.empty()) edit->setAccessibleName(QString::fromStdString(spokenCaption_));
  // The caption's tooltip is the field's help; a table is named to a screen reader, not read.
  const QString help = label_->toolTip();
  edit->SetHelp(help, spokenHelp_.empty() ? help : detail::TooltipText(spokenHelp_),
                helpDescription_.empty() ? help : QString::fromStdString(helpDescription_));
}

void Label::Rescale() {
  Control::Rescale();
  Fit();
}

bool Label::WrapsOverLines() const {
  return label_->wordWrap() &&
         detail::ScaledBox(DesignBox()).height() >= 2 * QFontMetrics(label_->font()).lineSpacing();
}

void Label::KeepOpeningText() { openingText_ = Text(); }

int Label::OpeningTextWidth() const { return TextWidth(openingText_); }

int Label::TextWidth(const std::string& text) const {
  if (WrapsOverLines()) return 0;
  return QFontMetrics(label_->font()).horizontalAdvance(QString::fromStdString(text));
}

void Label::Fit() {
  if (std::exchange(outgrown_, false)) Control::Rescale();
  const QRect box = detail::ScaledBox(DesignBox());
  // The glyphs' own advances, which the font keeps, with room for kerning: a text that fits
  // so needs no layout to tell (every change of the result line would otherwise lay it out).
  const QFontMetrics metrics(label_->font());
  int advances = metrics.averageCharWidth();
  for (const QChar c : label_->text()) {
    advances += c.isSurrogate() ? box.width() : metrics.horizontalAdvance(c);
  }
  if (advances <= box.width()) return;
  const int width = TextWidth(label_->text().toStdString());
  if (width <= box.width()) return;
  // The room up to the window's edges on the side the text grows toward.
  const int windowWidth = label_->parentWidget()->width();
  QRect room = box;
  const Qt::Alignment alignment = label_->alignment() & Qt::AlignHorizontal_Mask;
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
  label_->setGeometry(room);
  QFont font = label_->font();
  while (QFontMetrics(font).horizontalAdvance(label_->text()) > room.width() &&
         font.pixelSize() > 1) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  if (font != label_->font()) label_->setFont(font);
}

}  // namespace platform
