#include "platform/Label.h"

#include "platform/TextField.h"
#include "platform/Translation.h"
#include "widgets/Ink.h"
#include "widgets/Widgets.h"

namespace platform {

Label::Label(Window& window)
    : Control(new LabelWidget()), label_(static_cast<LabelWidget*>(widget_)) {
  detail::ContentOf(window).Append(*label_);
}

void Label::Apply(const LabelDesign& design) {
  captions_ = design.captions;
  // A caption is the page's own label element for its field.
  if (!captions_.empty()) {
    web::Call("becomeCaption", label_->node, captions_);
  }
  Place(design.box, design.tabIndex, design.helpTag, design.style);
  label_->SetStyle("text-align", design.align == Align::Right    ? "right"
                                 : design.align == Align::Center ? "center"
                                                                 : "left");
  web::UseDesignInk(*label_, design.textColor);
  if (design.multiline) label_->SetStyle("white-space", "normal");
  helpDescription_ = Translated(design.helpDescription);
  spokenCaption_ = Translated(design.spokenCaption);
  spokenHelp_ = Translated(design.spokenHelp);
  live_ = design.live;
  liveChangeName_ = Translated(design.liveChangeName);
  if (design.statusLine) label_->SetAttribute("role", "status");
  if (captions_.empty() && !helpDescription_.empty()) {
    web::Call("describe", label_->node, helpDescription_);
  }
  if (!design.copyShortcut.empty()) {
    //: Said when Ctrl+Shift+C copied the result line; %1 is the line, its unit in words.
    const Message copied = Translatable("screen reader", "Copied: %1");
    web::Call("copyKey", label_->node, design.copyShortcut, Translated(copied));
  }
  SetText(Translated(design.text));
  openingText_ = Text();
}

std::string Label::Text() const { return label_->shown; }

// page.js shows the text, and where a screen reader is to read other words, gives it those; a
// live label's new words are said once the edits pause.
void Label::SetText(const std::string& text, const std::string& spoken) {
  label_->shown = text;
  web::Call("setLabel", label_->node, text, spoken, liveChangeName_, live_);
}

void Label::Caption(const TextField& field) {
  web::Element& edit = *WidgetOf(field);
  if (!spokenCaption_.empty()) edit.SetAttribute("aria-label", spokenCaption_);
  // The caption's tooltip is the field's help: shown on hover and Ctrl+F1, said in words; a
  // table is named to a screen reader, not read.
  const std::string help = web::CallForText("attribute", label_->node, "data-tip");
  if (help.empty()) return;
  edit.SetAttribute("data-tip", help);
  edit.SetAttribute("data-spoken-tip", spokenHelp_.empty() ? help : detail::TooltipText(spokenHelp_));
  web::Call("describe", edit.node, helpDescription_.empty() ? help : helpDescription_);
}

void Label::Rescale() { Control::Rescale(); }

// On a page the browser lays the text out, and page.js fits it to its room (fitText) and the
// window to its captions (fit): nothing is measured here.
bool Label::WrapsOverLines() const { return false; }

void Label::KeepOpeningText() { openingText_ = Text(); }

int Label::OpeningTextWidth() const { return TextWidth(openingText_); }

int Label::TextWidth(const std::string&) const { return label_->Number("scrollWidth"); }

void Label::Fit() {}

}  // namespace platform
