#pragma once

#include <QAccessibleInterface>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QWidget>
#include <vector>

namespace platform::detail {

// A text with one set of attributes: one run covers it all. Qt 6.4's own interfaces answer the
// text-attributes query with an empty run (0, 0), and Orca cuts what it speaks of a selection
// by the run's end: "6" for a selected "60".
class OneRunText : public QAccessibleTextInterface {
 public:
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  int characterCount() const override { return int(Whole().size()); }
  QString text(int start, int end) const override {
    return Whole().mid(start, qsizetype(end) - start);  // a bus may ask from INT_MIN to INT_MAX
  }
  // The character, word or sentence at, before or after an offset, or the whole line. Qt's own
  // answers never return for an offset at the text's end or -1 (Qt 6.4 to 6.11), which is
  // where a screen reader asks with the caret at the end; these find each piece once.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                       int* end) const override {
    return Piece(offset, boundary, 0, start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                           int* end) const override {
    return Piece(offset, boundary, -1, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                          int* end) const override {
    return Piece(offset, boundary, 1, start, end);
  }

 protected:
  virtual QString Whole() const = 0;

 private:
  // The piece `step` pieces from the one holding `offset` (-1: the caret's, at the end); the
  // last piece for an offset at the end, nothing and offsets at the nearest end outside.
  QString Piece(int offset, QAccessible::TextBoundaryType boundary, int step, int* start,
                int* end) const;
};

// Where the characters of a widget's one-line text stand on the screen: what a screen reader
// asks of every character in turn. Each character's start is measured once for each text and
// font, so that asking for each of a field's 32,767 characters costs one pass over the text.
class CharacterBoxes {
 public:
  // Where the character at the anchor (0 to the text's length) starts, in the widget's own
  // coordinates, and the line's top and height.
  struct Anchor {
    double x;
    int top;
    int height;
  };
  // The box of the character at `offset` of `text`, drawn by `widget` in its font with the
  // character at `anchor` standing where `place` says; `offset` lies within the text. `place`
  // is asked again only when the text, the font or the anchor changes: a line edit's cursor
  // rectangle costs a pass over its text.
  template <class Place>
  QRect Box(const QWidget& widget, const QString& text, int offset, int anchor, Place place) {
    const bool measured = !starts_.empty() && Same(text) && widget.font() == font_;
    if (!measured) Measure(text, widget.font());
    if (!measured || anchor != anchor_) {
      anchor_ = anchor;
      place_ = place();
    }
    const double x = place_.x + Start(offset) - Start(anchor);
    const QPoint corner = widget.mapToGlobal(QPoint(qRound(x), place_.top));
    return QRect(corner, QSize(qRound(Start(offset + 1) - Start(offset)), place_.height));
  }

 private:
  // A field hands out its one text, shared: asked for each character, comparing the whole text
  // each time would cost a pass over it for every character.
  bool Same(const QString& text) const {
    return (text.constData() == text_.constData() && text.size() == text_.size()) || text == text_;
  }
  double Start(int offset) const { return starts_[std::size_t(offset)]; }
  void Measure(const QString& text, const QFont& font) {
    text_ = text;
    font_ = font;
    const QFontMetricsF metrics(font);
    starts_.assign(std::size_t(text.size()) + 1, 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
      // A surrogate pair is one character drawn; its second half adds nothing.
      const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      starts_[std::size_t(i + length)] =
          starts_[std::size_t(i)] + metrics.horizontalAdvance(text.mid(i, length));
      if (length == 2) starts_[std::size_t(i) + 1] = starts_[std::size_t(i)];
      i += length - 1;
    }
  }

  QString text_;
  QFont font_;
  std::vector<double> starts_;
  int anchor_ = -1;
  Anchor place_{};
};

}  // namespace platform::detail
