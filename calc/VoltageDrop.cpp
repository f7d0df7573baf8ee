#include "calc/VoltageDrop.h"

#include "calc/Conductor.h"
#include "platform/Numbers.h"

using platform::Val;

namespace calc {

double VoltageDrop(double resistivity, std::string_view current, std::string_view length,
                   std::string_view diameter, const platform::NumberStyle& style) {
  const double crossSection = conductor::CrossSection(Val(diameter, style));
  return VoltageDrop(resistivity, Val(current, style), Val(length, style), crossSection);
}

namespace {

std::string Filled(std::string_view words, const std::string& number) {
  std::string line(words);
  if (const std::size_t at = line.find("%1"); at != std::string::npos) line.replace(at, 2, number);
  return line;
}

}  // namespace

std::string ResultLine(double drop, std::string_view words, const platform::NumberStyle& style) {
  return Filled(words, platform::Format(drop, "#.###", style));
}

std::string FormulaLine(double resistivity, std::string_view words,
                        const platform::NumberStyle& style) {
  return Filled(words, platform::Format(resistivity, "#.####", style));
}

}  // namespace calc
