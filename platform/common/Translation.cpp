#include "platform/Translation.h"

namespace platform {

std::string Translated(const Message& pattern, std::initializer_list<std::string_view> arguments) {
  const std::string text = Translated(pattern);
  std::string filled;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::size_t index = text[at] == '%' && at + 1 < text.size()
                                  ? std::size_t(text[at + 1] - '1')
                                  : arguments.size();
    if (index < arguments.size()) {
      filled += arguments.begin()[index];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

std::string Translated(const Message& pattern, std::string_view argument) {
  return Translated(pattern, {argument});
}

}  // namespace platform
