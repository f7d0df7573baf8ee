#pragma once

// text/: the page's languages, from the tables that translations.py writes from translations/.

#include <cstddef>

namespace platform::web {

struct Entry {
  const char* context;
  const char* english;
  const char* translation;
};

// A language the program is translated into: its name as the .ts file has it ("de", "pt_BR")
// and its texts, sorted by context and English words.
struct Language {
  const char* name;
  const Entry* entries;
  std::size_t count;
};

extern const Language kLanguages[];
extern const std::size_t kLanguageCount;

}  // namespace platform::web
