#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/Exceptions.h"

#if defined(VD_FAST_FLOAT)
#include <fast_float/fast_float.h>
namespace parser = fast_float;
#else
namespace parser = std;
#endif

namespace platform {
namespace {

constexpr std::string_view kInfinity = "\u221E";  // ∞
constexpr std::string_view kMinusInfinity = "-\u221E";
constexpr std::string_view kNaN = "NaN";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal exponent of the first significant digit of a number that from_chars found out
// of range, so that it can be told apart as an overflow (positive) or an underflow. The
// exponent part saturates, so absurd exponents cannot overflow the arithmetic.
long long LeadingDecimalExponent(std::string_view number) {
  long long digitsBeforePoint = 0;
  long long digitIndex = 0;
  long long firstSignificant = -1;
  bool afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size(); ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    if (!IsDigit(c)) break;
    if (firstSignificant < 0 && c != '0') firstSignificant = digitIndex;
    if (!afterPoint) ++digitsBeforePoint;
    ++digitIndex;
  }
  long long exponent = 0;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    constexpr long long kSaturation = 1'000'000'000;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
      exponent = std::min(kSaturation, exponent * 10 + (number[i] - '0'));
    }
    if (negative) exponent = -exponent;
  }
  return digitsBeforePoint - 1 - firstSignificant + exponent;
}

// A number read from a text's start: its value and where it ends.
struct Reading {
  double value;
  std::size_t end;
};

// Reads an unsigned number (the sign has already been taken); nothing if there is none.
std::optional<Reading> ReadMagnitude(std::string_view text) {
  if (text.starts_with(kInfinity)) {
    return Reading{std::numeric_limits<double>::infinity(), kInfinity.size()};
  }
  // from_chars would take a second sign; a number has only one.
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  double value = 0.0;
  const auto [end, error] = parser::from_chars(text.data(), text.data() + text.size(), value);
  const auto length = static_cast<std::size_t>(end - text.data());
  if (error == std::errc::result_out_of_range) {
    const double magnitude = LeadingDecimalExponent(text.substr(0, length)) > 0
                                 ? std::numeric_limits<double>::infinity()
                                 : 0.0;
    return Reading{magnitude, length};
  }
  if (error != std::errc()) return std::nullopt;
  return Reading{value, length};
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return std::string(kNaN);
  return std::string(value < 0 ? kMinusInfinity : kInfinity);
}

// The number of decimals a pattern of '#' and at most one '.' asks for.
int PatternDecimals(std::string_view pattern) {
  const auto point = pattern.find('.');
  if (pattern.find_first_not_of("#.") != std::string_view::npos ||
      (point != std::string_view::npos && pattern.find('.', point + 1) != std::string_view::npos)) {
    throw UnsupportedFormatException("number pattern \"" + std::string(pattern) +
                                     "\" may hold only '#' and one '.'");
  }
  return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

// Drops the zeros that end the fraction of `digits`, then the point if nothing follows it.
void TrimFraction(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.pop_back();
}

// Where a number written with a decimal comma has it: the ',' right after the integer digits,
// or npos. A number whose integer digits end at a '.' uses the point, and stops at any ','.
std::size_t DecimalComma(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at < text.size() && text[at] == ',' ? at : std::string_view::npos;
}

// The length of the space at the start of `text`, of any width, or 0.
std::size_t SpaceAt(std::string_view text) {
  for (const std::string_view space : {" ", "\u00A0", "\u202F"}) {
    if (text.starts_with(space)) return space.size();
  }
  return 0;
}

// The length of the blank at the start of `text` (white space, or a space of any width), or 0.
std::size_t BlankAt(std::string_view text) {
  return !text.empty() && IsBlank(text.front()) ? 1 : SpaceAt(text);
}

std::size_t BlanksAt(std::string_view text) {
  std::size_t length = 0;
  while (const std::size_t blank = BlankAt(text.substr(length))) length += blank;
  return length;
}

// Reads the number, without groups, at the start of `text`; nothing if there is none.
std::optional<Reading> ReadPlain(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::size_t sign = !text.empty() && (negative || text.front() == '+') ? 1 : 0;
  text.remove_prefix(sign);
  std::string withPoint;
  if (const std::size_t comma = DecimalComma(text); comma != std::string_view::npos) {
    withPoint = text;
    withPoint[comma] = '.';
    text = withPoint;
  }
  const auto magnitude = ReadMagnitude(text);
  if (!magnitude) return std::nullopt;
  return Reading{negative ? -magnitude->value : magnitude->value, sign + magnitude->end};
}

// Reads the number written in groups of three at the start of `text` ("-1.234.567,5", "1 000"),
// as far as it goes: one to three digits, the first not a zero, then groups of one separator
// (spaces, or with `group` '.' points, not both) and exactly three digits, then maybe a decimal
// separator and digits. Nothing if no group is there.
std::optional<Reading> ReadGrouped(std::string_view text, char group) {
  std::string number;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) number += text[at++];
  const std::size_t lead = at;
  while (at < text.size() && IsDigit(text[at]) && at - lead < 3) number += text[at++];
  if (at == lead || text[lead] == '0') return std::nullopt;
  int groups = 0;
  bool points = false;
  for (;; ++groups) {
    const bool point = group == '.' && at < text.size() && text[at] == '.';
    const std::size_t separator = point ? 1 : SpaceAt(text.substr(at));
    if (separator == 0 || (groups > 0 && point != points)) break;
    const std::string_view digits = text.substr(at + separator, 4);
    if (digits.size() < 3 || !std::all_of(digits.begin(), digits.begin() + 3, IsDigit) ||
        (digits.size() == 4 && IsDigit(digits[3]))) {
      break;
    }
    points = point;
    number += digits.substr(0, 3);
    at += separator + 3;
  }
  // "1.000e3" is 1.000 × 10³.
  if (groups == 0 || (points && at < text.size() && (text[at] == 'e' || text[at] == 'E'))) {
    return std::nullopt;
  }
  if (at < text.size() && (text[at] == ',' || (!points && text[at] == '.'))) {
    number += '.';
    for (++at; at < text.size() && IsDigit(text[at]); ++at) number += text[at];
  }
  return Reading{ReadPlain(number)->value, at};
}

// Reads `text` as Val does with `style`.
std::optional<Reading> ReadNumber(std::string_view text, const NumberStyle& style) {
  const std::size_t start = BlanksAt(text);
  text.remove_prefix(start);
  auto reading = style.group != '\0' ? ReadGrouped(text, style.group) : std::nullopt;
  if (!reading) reading = ReadPlain(text);
  if (reading) reading->end += start;
  return reading;
}

// `number`, written with a decimal point, with the style's decimal separator instead.
std::string WithSeparator(std::string number, const NumberStyle& style) {
  if (const auto point = number.find('.'); point != std::string::npos)
    number[point] = style.decimal;
  return number;
}

// `value` as Format writes it, with a decimal point.
std::string FormatWithPoint(double value, std::string_view pattern) {
  const int decimals = PatternDecimals(pattern);
  if (!std::isfinite(value)) return NonFinite(value);
  const bool scientific = std::fabs(value) >= 1e15;
  std::string text(40 + static_cast<std::size_t>(decimals), '\0');
  const auto result = std::to_chars(
      text.data(), text.data() + text.size(), value,
      scientific ? std::chars_format::scientific : std::chars_format::fixed, decimals);
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  if (scientific) {
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    TrimFraction(mantissa);
    return mantissa + text.substr(e);
  }
  TrimFraction(text);
  return text == "-0" ? std::string("0") : text;
}

}  // namespace

double Val(std::string_view text, const NumberStyle& style) {
  const auto number = ReadNumber(text, style);
  return number ? number->value : 0.0;
}

bool IsNumber(std::string_view text, const NumberStyle& style) {
  const auto number = ReadNumber(text, style);
  return number && !std::isnan(number->value) &&
         number->end + BlanksAt(text.substr(number->end)) == text.size();
}

std::string Str(double value, const NumberStyle& style) {
  if (!std::isfinite(value)) return NonFinite(value);
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return WithSeparator(std::string(buffer, result.ptr), style);
}

std::string Format(double value, std::string_view pattern, const NumberStyle& style) {
  return WithSeparator(FormatWithPoint(value, pattern), style);
}

double Sqrt(double value) { return std::sqrt(value); }

Variant DoubleToVariant(double value) { return Variant(value); }

double VariantToDouble(const Variant& variant) { return variant.value_.value_or(0.0); }

std::string VariantToString(const Variant& variant) {
  return variant.IsEmpty() ? std::string() : Str(VariantToDouble(variant));
}

}  // namespace platform
