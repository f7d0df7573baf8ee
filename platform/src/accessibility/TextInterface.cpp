#include "accessibility/TextInterface.h"

#include <QFontMetricsF>
#include <algorithm>

namespace platform::detail {

double TextAdvances::Before(const QString& text, const QFont& font, int offset) {
  if (starts_.empty() || text != text_ || font != font_) {
    text_ = text;
    font_ = font;
    const QFontMetricsF metrics(font);
    starts_.assign(std::size_t(text.size()) + 1, 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
      // A surrogate pair is one character drawn; its second half adds nothing.
      const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
      const double advance = metrics.horizontalAdvance(text.mid(i, pair ? 2 : 1));
      starts_[std::size_t(i) + 1] = starts_[std::size_t(i)] + advance;
      if (pair) {
        ++i;
        starts_[std::size_t(i) + 1] = starts_[std::size_t(i)];
      }
    }
  }
  return starts_[std::size_t(std::clamp<qsizetype>(offset, 0, text.size()))];
}

}  // namespace platform::detail
