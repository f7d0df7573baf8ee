#pragma once

#include <cstdint>
#include <string>

#include "platform/Translation.h"

// The design of a window and its controls as typed records: each control class takes its own
// record in one step when it is created. Geometry and text sizes are in the design's pixels;
// the platform scales them with the desktop's font. The texts a user reads or hears are
// messages, which the platform translates when it makes the control.
namespace platform {

// An opaque colour as 0xRRGGBB.
struct Color {
  std::uint32_t rgb = 0;
  friend bool operator==(const Color&, const Color&) = default;
};
inline constexpr Color kBlack{0x000000};
inline constexpr Color kWhite{0xFFFFFF};

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class Align { Left, Center, Right };

// The system font at `size` (0 for the default UI size), with these emphases.
struct TextStyle {
  float size = 0;
  bool bold = false;
  bool italic = false;
};

// A window: the size of its content, below the menu bar. Windows here are fixed-size.
struct WindowDesign {
  int width = 0;
  int height = 0;
  Message title;
  bool closeButton = true;
  bool minimizeButton = true;
  bool maximizeButton = true;
  bool visible = true;
  bool menuBarVisible = true;
};

struct LabelDesign {
  Box box;
  int tabIndex = 0;
  Message text;
  Align align = Align::Left;
  Color textColor = kBlack;
  bool multiline = false;
  // The tooltip; '\r' separates its lines.
  Message helpTag;
  // What a screen reader says on Ctrl+F1 for the tooltip where speech would misread its symbols
  // (a unit's letters): the tooltip in words. Empty: the tooltip.
  Message spokenHelp;
  // What a screen reader reads with the captioned field in place of a tooltip of several lines
  // (a table), which Ctrl+F1 in the field shows and has it say; for a label that captions
  // nothing, what it reads with the label.
  Message helpDescription;
  TextStyle style;
  // The name of the field this label captions: the field's name for a screen reader, and the
  // field a mnemonic in the label would focus. Empty for a label that captions nothing.
  std::string captions;
  // What a screen reader calls the caption and so that field: the caption's words with its unit
  // written out, which speech misreads ("(A)" said as the article). Empty: the caption as shown.
  Message spokenCaption;
  // Whether a screen reader says the label's new texts, wherever the focus is, once the edits
  // that change them pause.
  bool live = false;
  // For a live label whose text changes in a word or two (a formula's coefficient): what a
  // screen reader says of a change is this name and the words that changed, not the whole text,
  // which it still reads on demand. Empty: the whole text.
  Message liveChangeName;
  // A key that copies the label's text from anywhere in its window ("Ctrl+Shift+C"), and has a
  // screen reader say what was copied. A label with one can be selected with the mouse too,
  // with the usual context menu. Empty: none.
  std::string copyShortcut;
  // Whether the label is the window's status line, which a screen reader's command for a
  // window's status bar reads out.
  bool statusLine = false;
};

// The toolkit's standard limit of a text field's length, in UTF-16 code units: a paste of
// megabytes keeps its first 32,767 characters instead of freezing the window.
inline constexpr int kStandardMaxLength = 32767;

struct TextFieldDesign {
  Box box;
  int tabIndex = 0;
  std::string text;
  Color textColor = kBlack;
  Color backColor = kWhite;
  // Whether the field is for a number: a text that, blanks aside, is not wholly one is marked
  // to a screen reader as an invalid entry.
  bool number = false;
};

struct PopupMenuDesign {
  Box box;
  int tabIndex = 0;
  // What a screen reader calls the popup: the choice it makes. Not shown.
  Message accessibleName;
};

}  // namespace platform
