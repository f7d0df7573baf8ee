#pragma once

#include <QFont>
#include <QString>
#include <vector>

namespace platform::detail {

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
