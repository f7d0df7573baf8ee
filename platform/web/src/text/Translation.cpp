#include "platform/Translation.h"

#include <algorithm>
#include <string>

#include "text/Translations.h"
#include "widgets/Element.h"

namespace platform {
namespace {

using web::Language;

// "pt-BR" as the tables name it: "pt_BR"; the language alone: "pt".
std::string TableName(std::string name) {
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

std::string LanguageOf(const std::string& name) { return name.substr(0, name.find('_')); }

// Of the translations, the one for `wanted`: the same language and country, else the same
// language (Portugal's Portuguese reads the Brazilian translation, Austria's German the German).
const Language* TranslationFor(const std::string& wanted) {
  const Language* sameLanguage = nullptr;
  for (std::size_t i = 0; i < web::kLanguageCount; ++i) {
    const Language& language = web::kLanguages[i];
    if (LanguageOf(language.name) != LanguageOf(wanted)) continue;
    if (wanted == language.name) return &language;
    if (sameLanguage == nullptr) sameLanguage = &language;
  }
  return sameLanguage;
}

// The translation for the first of the browser's languages that is English or has one, and
// how the window writes numbers: with that language's decimal comma, where it writes one, and
// then with its groups of digits.
struct Translations {
  const Language* translated = nullptr;
  NumberStyle numbers;

  Translations() {
    const std::string languages = web::CallForText("languages") + '\n';
    for (std::size_t start = 0, end; (end = languages.find('\n', start)) != std::string::npos;
         start = end + 1) {
      const std::string name = languages.substr(start, end - start);
      const std::string wanted = TableName(name);
      if (LanguageOf(wanted) == "en") return;
      translated = TranslationFor(wanted);
      if (translated == nullptr) continue;
      // A screen reader speaks the page in its language's voice.
      web::Call("language", 0, name);
      const std::string separators = web::CallForText("separators", 0, name);
      if (separators.empty() || separators[0] != ',') return;
      numbers.decimal = ',';
      if (separators.size() > 1 && (separators[1] == '.' || separators[1] == ' ')) {
        numbers.group = separators[1];
      }
      return;
    }
  }
};

const Translations& Loaded() {
  static const Translations translations;
  return translations;
}

}  // namespace

std::string Translated(const Message& message) {
  const Language* language = Loaded().translated;
  if (*message.context == '\0' || language == nullptr) return message.english;
  const web::Entry wanted{message.context, message.english, nullptr};
  const web::Entry* end = language->entries + language->count;
  const web::Entry* found = std::lower_bound(
      language->entries, end, wanted, [&](const web::Entry& a, const web::Entry& b) {
        return std::string_view(a.context) < std::string_view(b.context) ||
               (std::string_view(a.context) == std::string_view(b.context) &&
                std::string_view(a.english) < std::string_view(b.english));
      });
  if (found == end || std::string_view(found->context) != message.context ||
      std::string_view(found->english) != message.english) {
    return message.english;
  }
  return found->translation;
}

std::string Translated(const Message& pattern, std::string_view argument) {
  std::string text = Translated(pattern);
  for (std::size_t at = text.find("%1"); at != std::string::npos;
       at = text.find("%1", at + argument.size())) {
    text.replace(at, 2, argument);
  }
  return text;
}

NumberStyle WindowNumbers() { return Loaded().numbers; }

}  // namespace platform
