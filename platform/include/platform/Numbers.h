#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between numbers and text. These are the only ones the calculator uses, so every
// place that reads or writes a number agrees on one rendering. They do no arithmetic of their
// own beyond reading and writing, and they never depend on the process locale: how a language
// writes numbers is given to them (NumberStyle); by default they write '.' as the decimal point
// and read both it and a decimal ','.
namespace platform {

// How a language writes numbers, as far as the conversions care: the decimal separator they
// write, and what sets off groups of three digits when reading.
struct NumberStyle {
  char decimal = '.';
  // ' ': a space of any width (U+0020, U+00A0, U+202F), as every language may write "1 000";
  // '.': a point too, in a language that writes a decimal comma ("1.000,5"); '\0': nothing.
  char group = ' ';
  friend bool operator==(const NumberStyle&, const NumberStyle&) = default;
};

// How scripts write numbers: a decimal point or comma and no groups of digits. The command
// line reads every value so, in every language and locale.
inline constexpr NumberStyle kPlainNumbers{'.', '\0'};

// Reads the number at the start of `text`: leading blanks are skipped (a space of any width is
// one), then the longest decimal number (sign, digits, one '.', exponent) is read, correctly
// rounded, and whatever follows is ignored. A ',' right after the integer digits is read as
// the decimal point, as much of the world writes it ("2,5" is 2.5); a number with a '.' stops
// at any ','. No number gives 0; a number too large gives an infinity, one too small a zero.
// Also reads what Str and Format write for the non-finite values ("∞", "-∞", "NaN"), and
// "inf", "infinity" and "nan" in any case.
// Where the style has a group separator, a number written in groups of three is read without
// them, as far as it goes ("1 000", "-12.345.678", "1.234,5", "1 000.5"; "1.000x" and "1.000."
// read 1000 as "1.000" does): one to three digits, the first not a zero, then groups of one
// separator and exactly three digits, then maybe a decimal separator and digits (after point
// groups only a comma). A point that cannot set off a group ("2.5", "0.350", "1.5000",
// "1.000e3") stays a decimal point, read as above.
double Val(std::string_view text, const NumberStyle& style = {});

// Whether `text`, blanks aside, is wholly one number that Val reads ("60", " 2,5 ", "1e3",
// "∞", "1 000"), not "", "abc", "60x", "1e" or "NaN".
bool IsNumber(std::string_view text, const NumberStyle& style = {});

// The plain rendering of `value`: the shortest text that Val reads back to exactly `value`
// (fixed or scientific, whichever is shorter), with the style's decimal separator and no
// groups; "∞", "-∞" or "NaN" when it is not finite.
std::string Str(double value, const NumberStyle& style = {});

// `value` rounded to the number of '#' after the '.' in `pattern` (none when there is no
// '.'), trailing zeros and a bare trailing point dropped, "0" for a zero integer part and
// never "-0". From 1e15 on the number is written in scientific form with the same decimals.
// The pattern may hold only '#' and one '.', which stands for the style's decimal separator;
// anything else raises UnsupportedFormatException.
std::string Format(double value, std::string_view pattern, const NumberStyle& style = {});

double Sqrt(double value);

// A boxed value, as held by a popup row's tag: empty, or a double.
class Variant {
 public:
  Variant() = default;
  explicit Variant(double value) : value_(value) {}
  bool IsEmpty() const { return !value_.has_value(); }
  friend double VariantToDouble(const Variant& variant);
  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  std::optional<double> value_;
};

Variant DoubleToVariant(double value);
// The double held; an empty variant gives 0.
double VariantToDouble(const Variant& variant);
// The Str form of the double held, so that Val reads it back exactly; empty text when empty.
std::string VariantToString(const Variant& variant);

}  // namespace platform
