// Writes, a line for each line of standard input, what Val reads of it with the number style of
// the arguments (decimal separator, group separator or '0' for none) and with no groups, as
// exact hexadecimal doubles, then whether IsNumber takes it whole in that style (1 or 0).
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/Numbers.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const platform::NumberStyle style{argv[1][0], argv[2][0] == '0' ? '\0' : argv[2][0]};
  for (std::string text; std::getline(std::cin, text);) {
    std::printf("%a %a %d\n", platform::Val(text, style),
                platform::Val(text, platform::kPlainNumbers),
                platform::IsNumber(text, style) ? 1 : 0);
  }
}
