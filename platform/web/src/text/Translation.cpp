#include "platform/Translation.h"

#include <algorithm>
#include <string>

#include "text/Translations.h"
#include "widgets/Element.h"

namespace platform {
namespace {

using web::Language;

// The translation index.html chose from the browser's languages (none for English), and how the
// window writes numbers: with that language's decimal comma, where it writes one, and then with
// its groups of digits.
struct Translations {
  const Language* translated = nullptr;
  NumberStyle numbers;

  Translations() {
    const std::string name = web::CallForText("translation");
    for (std::size_t i = 0; i < web::kLanguageCount; ++i) {
      if (name == web::kLanguages[i].name) translated = &web::kLanguages[i];
    }
    if (translated == nullptr) return;
    const std::string separators = web::CallForText("separators");
    if (separators.empty() || separators[0] != ',') return;
    numbers.decimal = ',';
    // Spaces set off groups of digits in every language; points too where the language's do.
    if (separators.size() > 1 && separators[1] == '.') numbers.group = '.';
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

NumberStyle WindowNumbers() { return Loaded().numbers; }

}  // namespace platform
