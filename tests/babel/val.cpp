// Reads a text a line from standard input and writes, a line each, what Val reads of it with the
// number style given as arguments (its decimal separator and its group separator, '0' for none)
// and with the default style, as exact hexadecimal doubles.
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/Numbers.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DECIMAL GROUP < texts\n", argv[0]);
    return 2;
  }
  const platform::NumberStyle style{.decimal = argv[1][0],
                                    .group = argv[2][0] == '0' ? '\0' : argv[2][0]};
  for (std::string text; std::getline(std::cin, text);) {
    std::printf("%a %a\n", platform::Val(text, style), platform::Val(text));
  }
  return 0;
}
