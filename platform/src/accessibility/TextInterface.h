#pragma once

#include <QAccessibleInterface>
#include <QFont>
#include <QString>
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
  QString text(int start, int end) const override { return Whole().mid(start, end - start); }

 protected:
  virtual QString Whole() const = 0;
};

// Where each character of a one-line text starts, from the text's own start, in a font: what a
// screen reader asks of every character in turn. Measured once for each text and font, so that
// asking for each of a field's 32,767 characters costs one pass over the text, not one each.
class TextAdvances {
 public:
  // The distance from the start of `text` in `font` to the character at `offset` (0 to the
  // text's length), in pixels.
  double Before(const QString& text, const QFont& font, int offset);

 private:
  QString text_;
  QFont font_;
  std::vector<double> starts_;
};

}  // namespace platform::detail
