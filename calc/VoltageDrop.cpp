#include "calc/VoltageDrop.h"

#include "calc/Conductor.h"
#include "platform/Numbers.h"

using platform::Val;

namespace calc {

double VoltageDrop(double resistivity, std::string_view current, std::string_view length,
                   std::string_view diameter) {
  const double crossSection = conductor::CrossSection(Val(diameter));
  return VoltageDrop(resistivity, Val(current), Val(length), crossSection);
}

std::string ResultLine(double drop) {
  return "Voltage drop = " + platform::Format(drop, "#.###") + "V";
}

std::string FormulaLine(double resistivity) {
  return "Vd (20\u00B0C) = ( Length x Current x " + platform::Format(resistivity, "#.####") +
         " ) / Area";
}

}  // namespace calc
