#pragma once

#include <string>
#include <string_view>

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

// The drop for the fields' texts, read as the fields are read (platform::Val), with the
// cross-section computed from the diameter.
double VoltageDrop(double resistivity, std::string_view current, std::string_view length,
                   std::string_view diameter);

// The words of the result line and of the formula line around their number.
inline constexpr const char* kResultWords = platform::Translatable("Voltage drop = %1V");
inline constexpr const char* kFormulaWords =
    platform::Translatable("Vd (20°C) = ( Length x Current x %1 ) / Area");

// "Voltage drop = 1.795V": `words` with the drop to three decimals in place of "%1".
std::string ResultLine(double drop, std::string_view words = kResultWords);

// The formula, `words` with the material's resistivity in place of "%1".
std::string FormulaLine(double resistivity, std::string_view words = kFormulaWords);

}  // namespace calc
