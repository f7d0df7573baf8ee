// Fuzz target for the number/text conversions. The bytes are read as text by Val, and their
// first eight bytes as a double that goes through Str and Format. Any broken rule aborts.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/Numbers.h"

namespace {

// Format's longest output for "#.####": sign, 16 integer digits (a value just under 1e15 can
// round up to 1000000000000000), point, 4 decimals.
constexpr std::size_t kLongestFormat = 22;

void Fail(const char* rule, double value, const std::string& text) {
  std::fprintf(stderr, "broken: %s for %.17g (\"%s\")\n", rule, value, text.c_str());
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t Digits(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - at;
}

// A sign, digits, then at most `decimals` decimals; or the same mantissa in scientific form
// with a two- or three-digit exponent; or one of the non-finite renderings.
bool WellFormed(std::string_view text, std::size_t decimals) {
  if (text == "\u221E" || text == "-\u221E" || text == "NaN") return true;
  std::size_t at = text.starts_with('-') ? 1 : 0;
  const std::size_t integer = Digits(text, at);
  if (integer == 0) return false;
  at += integer;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = Digits(text, at + 1);
    if (fraction == 0 || fraction > decimals || text[at + fraction] == '0') return false;
    at += 1 + fraction;
  }
  if (at < text.size() && text[at] == 'e') {
    if (integer != 1 || at + 1 >= text.size() || (text[at + 1] != '+' && text[at + 1] != '-')) {
      return false;
    }
    const std::size_t exponent = Digits(text, at + 2);
    if (exponent < 2 || exponent > 3) return false;
    at += 2 + exponent;
  }
  return at == text.size();
}

void CheckFormat(double value, const char* pattern, std::size_t decimals) {
  const std::string text = platform::Format(value, pattern);
  if (text.size() > kLongestFormat) Fail("Format output too long", value, text);
  if (!WellFormed(text, decimals)) Fail("Format output malformed", value, text);
  if (text == "-0") Fail("Format wrote -0", value, text);
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) return;
  // Fixed form: within half a unit of the last decimal (and the value's own spacing).
  const double tolerance = 0.5 * std::pow(10.0, -static_cast<double>(decimals)) +
                           4 * (std::nextafter(std::fabs(value), INFINITY) - std::fabs(value));
  if (std::fabs(platform::Val(text) - value) > tolerance)
    Fail("Format rounded wrongly", value, text);
}

bool SameRead(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) ||
         std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A text with one '.' reads the same with a decimal comma in its place.
void CheckDecimalComma(std::string text, double read) {
  const auto point = text.find('.');
  if (point == std::string::npos || text.find('.', point + 1) != std::string::npos) return;
  text[point] = ',';
  if (!SameRead(platform::Val(text), read)) Fail("a decimal comma read otherwise", read, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double read = platform::Val(text);
  // Blanks before a number change nothing.
  if (std::bit_cast<std::uint64_t>(platform::Val(" \t" + std::string(text))) !=
          std::bit_cast<std::uint64_t>(read) &&
      !std::isnan(read)) {
    Fail("leading blanks changed Val", read, std::string(text));
  }

  CheckDecimalComma(std::string(text), read);

  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  const std::string plain = platform::Str(value);
  const double back = platform::Val(plain);
  const bool same = std::isnan(value)
                        ? std::isnan(back)
                        : std::bit_cast<std::uint64_t>(back) == std::bit_cast<std::uint64_t>(value);
  if (!same) Fail("Val(Str(x)) is not x", value, plain);
  CheckDecimalComma(plain, back);
  CheckFormat(value, "#.###", 3);
  CheckFormat(value, "#.####", 4);
  return 0;
}
