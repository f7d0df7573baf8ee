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

// The formula, `words` with the material's resistivity in place of "%1", written in `style`.
std::string FormulaLine(double resistivity, std::string_view words = kFormulaWords.english,
                        const platform::NumberStyle& style = {});

}  // namespace calc
