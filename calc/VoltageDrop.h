#pragma once

#include <string>
#include <string_view>

#include "platform/Numbers.h"
#include "platform/Translation.h"

// The voltage-drop formula and the two lines the window shows, as plain functions: the window,
// the command line and the tests share them. The groupings are part of the result: another
// order of the same operations can change the last bit.
namespace calc {

// Vd = ρ · I · L / A: volts, for ohm · mm² / m, amperes, metres and square millimetres.
// Nothing is validated: a zero cross-section gives an infinity or NaN.
inline double VoltageDrop(double resistivity, double current, double length, double crossSection) {
  return (resistivity * (current * length)) / crossSection;
}

// The drop for the fields' texts, read as the fields are read (platform::Val in `style`), with
// the cross-section computed from the diameter.
double VoltageDrop(double resistivity, std::string_view current, std::string_view length,
                   std::string_view diameter, const platform::NumberStyle& style = {});

// The words of the result line and of the formula line around their number.
//: The result line, in bold, 256 pixels wide; %1 is the drop in volts.
inline constexpr platform::Message kResultWords =
    platform::Translatable("window", "Voltage drop = %1V");
//: The formula line, in small italics, 256 pixels wide; %1 is the material's resistivity.
inline constexpr platform::Message kFormulaWords =
    platform::Translatable("window", "Vd (20°C) = ( Length x Current x %1 ) / Area");

// "Voltage drop = 1.795V": `words` with the drop to three decimals in place of "%1", written
// in `style`.
std::string ResultLine(double drop, std::string_view words = kResultWords.english,
                       const platform::NumberStyle& style = {});

// The result line as a screen reader says it, its unit and the drop's sign in words, and the
// drop that is no number in words too: speech reads "V" as a letter, drops a minus where it says
// no punctuation, and spells out "NaN".
//: The result line as a screen reader says it; %1 is the drop, a number or "infinity".
inline constexpr platform::Message kSpokenResult =
    platform::Translatable("screen reader", "Voltage drop = %1 volts");
//: A negative drop, or infinity, as a screen reader says it; %1 is the number.
inline constexpr platform::Message kSpokenMinus =
    platform::Translatable("screen reader", "minus %1");
//: An infinite drop (no cross-section), as a screen reader says it.
inline constexpr platform::Message kSpokenInfinity =
    platform::Translatable("screen reader", "infinity");
//: The result line for a drop that is no number (0 × ∞), as a screen reader says it.
inline constexpr platform::Message kSpokenNotANumber =
    platform::Translatable("screen reader", "Voltage drop = not a number");
// Those words in the user's language.
struct SpokenWords {
  std::string result{kSpokenResult.english}, minus{kSpokenMinus.english},
      infinity{kSpokenInfinity.english}, notANumber{kSpokenNotANumber.english};
};
std::string SpokenResultLine(double drop, const SpokenWords& words = {},
                             const platform::NumberStyle& style = {});

// The formula, `words` with the material's resistivity in place of "%1", written in `style`.
std::string FormulaLine(double resistivity, std::string_view words = kFormulaWords.english,
                        const platform::NumberStyle& style = {});

}  // namespace calc
