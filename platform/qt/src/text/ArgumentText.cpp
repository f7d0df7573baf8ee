#include "text/ArgumentText.h"

#include <algorithm>
#include <cstdio>

#include "platform/ArgumentText.h"

namespace platform {

namespace {

// The length of the UTF-8 sequence at the start of `bytes`, or 0 where it is not one.
int SequenceLength(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(0);
  const int length = lead < 0x80                   ? 1
                     : lead >= 0xC2 && lead < 0xE0 ? 2
                     : lead >= 0xE0 && lead < 0xF0 ? 3
                     : lead >= 0xF0 && lead < 0xF5 ? 4
                                                   : 0;
  if (length == 0 || bytes.size() < std::size_t(length)) return 0;
  for (int i = 1; i < length; ++i) {
    if ((byte(std::size_t(i)) & 0xC0) != 0x80) return 0;
  }
  // No overlong form, no surrogate, nothing past U+10FFFF.
  if (lead == 0xE0 && byte(1) < 0xA0) return 0;
  if (lead == 0xED && byte(1) >= 0xA0) return 0;
  if (lead == 0xF0 && byte(1) < 0x90) return 0;
  if (lead == 0xF4 && byte(1) >= 0x90) return 0;
  return length;
}

// The character a whole UTF-8 sequence encodes.
char32_t CodePoint(std::string_view sequence) {
  const auto byte = [&](std::size_t i) {
    return char32_t(static_cast<unsigned char>(sequence[i]));
  };
  if (sequence.size() == 1) return byte(0);
  char32_t point = byte(0) & (0x7Fu >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) point = point << 6 | (byte(i) & 0x3F);
  return point;
}

}  // namespace

// Arguments are bytes and Qt's parser takes text: a byte that is not part of UTF-8 goes through
// as a lone surrogate, U+DC80 to U+DCFF, so that a value comes back byte for byte. Each
// character is taken as it is: Qt's UTF-8 decoder would drop a byte order mark (U+FEFF) that
// starts what it decodes, which a field keeps.
QString Decoded(std::string_view bytes) {
  QString text;
  while (!bytes.empty()) {
    const int length = SequenceLength(bytes);
    text += QChar::fromUcs4(length == 0 ? 0xDC00 + static_cast<unsigned char>(bytes.front())
                                        : CodePoint(bytes.substr(0, std::size_t(length))));
    bytes.remove_prefix(std::size_t(std::max(length, 1)));
  }
  return text;
}

std::string Encoded(const QString& text) {
  std::string bytes;
  qsizetype from = 0;
  for (qsizetype i = 0; i <= text.size(); ++i) {
    const bool escaped = i < text.size() && text[i].unicode() >= 0xDC80 &&
                         text[i].unicode() <= 0xDCFF && (i == 0 || !text[i - 1].isHighSurrogate());
    if (i < text.size() && !escaped) continue;
    bytes += text.mid(from, i - from).toStdString();
    if (escaped) bytes += static_cast<char>(text[i].unicode() - 0xDC00);
    from = i + 1;
  }
  return bytes;
}

bool ShownAsItself(char32_t point) {
  const QChar::Category category = QChar::category(point);
  return QChar::isPrint(point) && category != QChar::Separator_Line &&
         category != QChar::Separator_Paragraph;
}

QString Abridged(const QString& text) {
  constexpr qsizetype kLongest = 60;
  if (text.size() <= kLongest) return text;
  const qsizetype kept = text[kLongest - 1].isHighSurrogate() ? kLongest - 1 : kLongest;
  return text.left(kept) + QChar(0x2026);
}

std::string Quoted(std::string_view text) {
  // What a terminal would not show as itself is escaped, byte by byte: control characters, line
  // and paragraph separators, invisible and unassigned characters (whatever Unicode does not
  // call printable, as coreutils quotes), the quote and bytes outside UTF-8; and then a
  // backslash too. A text that needs none is shown as it is. Windows shows a name in double
  // quotes, and its shells know no $'…'.
#if defined(_WIN32)
  constexpr char kQuote = '"';
  constexpr std::string_view kEscapedOpening = "\"";
#else
  constexpr char kQuote = '\'';
  constexpr std::string_view kEscapedOpening = "$'";
#endif
  bool plain = true;
  std::string escaped;
  for (std::string_view rest = text; !rest.empty();) {
    const int length = SequenceLength(rest);
    if (length > 1 && ShownAsItself(CodePoint(rest.substr(0, std::size_t(length))))) {
      escaped.append(rest.substr(0, std::size_t(length)));
      rest.remove_prefix(std::size_t(length));
      continue;
    }
    const int count = std::max(length, 1);
    for (int i = 0; i < count; ++i) {
      const unsigned char b = static_cast<unsigned char>(rest[std::size_t(i)]);
      if (b == '\\') {
        escaped += "\\\\";  // among escapes only: a backslash alone needs none
        continue;
      }
      if (b >= 0x20 && b < 0x7F && b != kQuote) {
        escaped += static_cast<char>(b);
        continue;
      }
      // The escapes with a letter of their own, and the rest in octal.
      constexpr char kNamed[] = {'\a', '\b', '\t', '\n', '\v', '\f', '\r', kQuote};
      constexpr char kLetters[] = {'a', 'b', 't', 'n', 'v', 'f', 'r', kQuote};
      char escape[5];
      const std::size_t letter = std::string_view(kNamed, sizeof kNamed).find(char(b));
      std::snprintf(escape, sizeof escape, letter != std::string_view::npos ? "\\%c" : "\\%03o",
                    letter != std::string_view::npos ? kLetters[letter] : b);
      escaped += escape;
      plain = false;
    }
    rest.remove_prefix(std::size_t(count));
  }
  // Appended, not concatenated: GCC 12 sees a false overlap in "$'" + escaped (-Wrestrict).
  std::string quoted(plain ? std::string_view(&kQuote, 1) : kEscapedOpening);
  quoted += plain ? text : std::string_view(escaped);
  quoted += kQuote;
  return quoted;
}

}  // namespace platform
