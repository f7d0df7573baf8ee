#pragma once

#include <string>

#include "platform/Control.h"

namespace platform {

class LabelWidget;
class TextField;

// A line of static text. Raises no events. A live label's new texts are said by a screen
// reader once the edits that change them pause, with those of the window's other live labels. A
// text wider than the label's box keeps its alignment and takes the room the window has beyond the
// box's other side; where that is not enough, its type shrinks until the whole text shows.
class Label final : public Control {
 public:
  explicit Label(Window& window);

  void Apply(const LabelDesign& design);

  std::string Text() const;
  // `spoken` is what a screen reader reads and says for `text` where speech would misread its
  // symbols ("7.694 volts" for "7.694V"); empty: the text itself.
  void SetText(const std::string& text, const std::string& spoken = {});

  // The name of the field this label captions, or empty.
  const std::string& Captions() const { return captions_; }

  // The window fits itself to the texts its labels show as it opens (the design's, and those
  // its opening handlers write), never to a text shown since: the live result line of the
  // moment must not grow the window for good. The label keeps the text it shows now as that.
  void KeepOpeningText();
  // The width that text needs on one line in the label's type; 0 for a label whose box holds
  // several lines to wrap the text over.
  int OpeningTextWidth() const;

 protected:
  void Rescale() override;

 private:
  friend class Window;

  // Names `field` after this label for a screen reader and gives it the label's tooltip as its
  // help; the window does this for the field the label captions once both exist.
  void Caption(const TextField& field);
  bool WrapsOverLines() const;
  int TextWidth(const std::string& text) const;
  void Fit();

  LabelWidget* label_;
  std::string openingText_;
  std::string captions_;
  std::string helpDescription_;
  std::string spokenHelp_;
  std::string spokenCaption_;
  bool live_ = false;
  std::string liveChangeName_;
  bool outgrown_ = false;  // the box or type differ from the design's for the text shown
};

}  // namespace platform
