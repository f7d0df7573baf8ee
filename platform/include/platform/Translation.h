#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Numbers.h"

// The program in its user's language. The program's texts are written in English and marked
// where they are written; each is translated once, where the program makes the text it shows,
// into the first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG; on Windows
// the user's UI language) that has a translation, and stays English when English comes first
// or none has.
namespace platform {

// A text to translate: where it shows, which is its context for translators ("window",
// "menus", "screen reader", "command line", "error messages"), and its English words. A text
// with no context is shown as it is.
struct Message {
  // A plain text converts, so that a design can hold one where it needs no translation.
  constexpr Message(const char* english = "") : english(english) {}
  constexpr Message(const char* context, const char* english)
      : context(context), english(english) {}
  const char* context = "";
  const char* english = "";
};

// Marks `english` as a text to translate, shown where `context` says, and gives it back with
// its context. Qt's lupdate reads every call written `platform::Translatable("…", "…")`, with a
// translators' comment (a `//:` line) before it where the words alone do not say where the
// text shows and how much room it has.
constexpr Message Translatable(const char* context, const char* english) {
  return {context, english};
}

// `message` in the user's language: its translation, or its English words where there is none.
std::string Translated(const Message& message);

// `pattern` in the user's language with "%1" replaced by `argument`.
std::string Translated(const Message& pattern, std::string_view argument);
// `pattern` in the user's language with "%1" to "%9" replaced by the arguments in turn, in one
// pass, so that an argument's own "%2" stays as it is.
std::string Translated(const Message& pattern, std::initializer_list<std::string_view> arguments);

// How the window writes and reads numbers: as the user's language writes them, with its decimal
// comma and its groups of three digits set off by points, where the interface is translated and
// the desktop's locale writes a decimal comma; with a decimal point everywhere else. Groups set
// off by spaces are read in every language. The command line reads kPlainNumbers instead, the
// same in every environment.
NumberStyle WindowNumbers();

}  // namespace platform
