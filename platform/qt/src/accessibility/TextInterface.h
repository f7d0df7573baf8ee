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

 protected:
  virtual QString Whole() const = 0;
};

// Where the characters of a widget's one-line text stand on the screen: what a screen reader
// asks of every character in turn. Each character's start is measured once for each text and
// font, so that asking for each of a field's 32,767 characters costs one pass over the text.
class CharacterBoxes {
 public:
  // The box of the character at `offset` of `text`, drawn by `widget` in its font with the
  // character at `anchor` (0 to the text's length) starting at `anchorX`, in a line `top` to
  // `top + height` (the widget's own coordinates); `offset` lies within the text.
  QRect Box(const QWidget& widget, const QString& text, int offset, int anchor, double anchorX,
            int top, int height) {
    if (starts_.empty() || text != text_ || widget.font() != font_) Measure(text, widget.font());
    const double x = anchorX + Start(offset) - Start(anchor);
    const QPoint corner = widget.mapToGlobal(QPoint(qRound(x), top));
    return QRect(corner, QSize(qRound(Start(offset + 1) - Start(offset)), height));
  }

 private:
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
};

}  // namespace platform::detail
