#pragma once

#include <string>
#include <string_view>

// The program in its user's language. The program's texts are written in English and marked
// where they are written; the platform translates them where it shows them, into the first of
// the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; on Windows the user's UI
// language) that has a translation, and stays English when English comes first or none has.
namespace platform {

// Marks `english` as a text to translate and gives it back unchanged. Qt's lupdate reads every
// call written `platform::Translatable("…")`, qualified so, as a text of the context "platform".
constexpr const char* Translatable(const char* english) { return english; }

// `english` in the user's language: its translation, or `english` where there is none.
std::string Translated(std::string_view english);

// `pattern` in the user's language with "%1" replaced by `argument`.
std::string Translated(std::string_view pattern, std::string_view argument);

// `text` with its numbers, written with a decimal point as Str and Format write them, as the
// user's language writes numbers: each point between two digits a comma where the interface is
// translated and the desktop's locale writes a decimal comma; as it is everywhere else. The
// platform shows every text of the program's so, and what it writes into a number field.
std::string LocalNumber(std::string_view text);

}  // namespace platform
