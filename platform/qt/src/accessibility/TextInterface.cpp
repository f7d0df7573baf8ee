#include "accessibility/TextInterface.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace platform::detail {
namespace {

// Where the pieces of `text` of the given kind begin, and its end: {0, …, length}.
std::vector<int> PieceStarts(const QString& text, QAccessible::TextBoundaryType boundary) {
  std::vector<int> starts{0};
  const bool whole = boundary == QAccessible::LineBoundary ||
                     boundary == QAccessible::ParagraphBoundary ||
                     boundary == QAccessible::NoBoundary;
  if (!whole) {
    const auto kind = boundary == QAccessible::WordBoundary       ? QTextBoundaryFinder::Word
                      : boundary == QAccessible::SentenceBoundary ? QTextBoundaryFinder::Sentence
                                                                  : QTextBoundaryFinder::Grapheme;
    QTextBoundaryFinder finder(kind, text);
    // Each boundary lies past the one before, so there are at most as many as characters.
    for (qsizetype at = finder.toNextBoundary(); at > starts.back() && at < text.size();
         at = finder.toNextBoundary()) {
      starts.push_back(int(at));
    }
  }
  if (!text.isEmpty()) starts.push_back(int(text.size()));
  return starts;
}

}  // namespace

QString OneRunText::Piece(int offset, QAccessible::TextBoundaryType boundary, int step, int* start,
                          int* end) const {
  const QString text = Whole();
  const int length = int(text.size());
  if (offset == -1) offset = length;
  *start = *end = std::clamp(offset, 0, length);
  if (offset < 0 || offset > length || text.isEmpty()) return {};
  const std::vector<int> starts = PieceStarts(text, boundary);
  // The piece holding the offset; the last one for the end.
  const auto holding = std::upper_bound(starts.begin(), starts.end() - 1, offset) - 1;
  const auto piece = holding - starts.begin() + step;
  if (piece < 0 || piece + 1 >= qsizetype(starts.size())) return {};
  *start = starts[std::size_t(piece)];
  *end = starts[std::size_t(piece) + 1];
  return text.mid(*start, *end - *start);
}

}  // namespace platform::detail
