#pragma once

#include <string>
#include <string_view>

namespace platform {

// `text` quoted for a message, as coreutils quotes a file name, so that it is seen as it is and
// stays on one line: 'lead' as it is, and a text holding a control character, a quote or bytes
// that are not UTF-8 in $'…' with escapes ($'lead\n', $'\033]0;x\a'). On Windows in double
// quotes, as Windows shows a name: "Müll", "lead\n".
std::string Quoted(std::string_view text);

}  // namespace platform
