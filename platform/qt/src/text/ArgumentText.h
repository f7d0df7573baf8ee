#pragma once

// text/: the program's texts that are no widget's: the command line parsed, its arguments
// decoded and quoted back, and every text translated (Translation.h). Numbers are written and
// read in platform/common, for both platforms.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// An argument's bytes as text for Qt's parser: a byte that is not part of UTF-8 goes through as
// a lone surrogate, U+DC80 to U+DCFF, so that Encoded gives it back byte for byte. (Windows
// keeps arguments as text: they are read so, and written back in UTF-8.)
QString Decoded(std::string_view bytes);
std::string Encoded(const QString& text);

// Whether a terminal shows the character as itself: what Unicode calls printable, but for the
// line and paragraph separators. Quoting escapes every other one, as coreutils does.
bool ShownAsItself(char32_t point);

// `text` no longer than a line of a message can show of a setting or a name, 60 characters:
// a longer one is cut there (never inside a character) and "…" added.
QString Abridged(const QString& text);

}  // namespace platform
