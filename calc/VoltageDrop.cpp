#include "calc/VoltageDrop.h"

#include <cmath>

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

std::string SpokenResultLine(double drop, const SpokenWords& words,
                             const platform::NumberStyle& style) {
  if (std::isnan(drop)) return words.notANumber;
  // The sign as the line shows it: a drop too small for three decimals shows one all the same.
  const std::string shown = platform::Format(drop, "#.###", style);
  const bool negative = shown.front() == '-';
  const std::string number = std::isinf(drop) ? words.infinity : shown.substr(negative ? 1 : 0);
  return Filled(words.result, negative ? Filled(words.minus, number) : number);
}

std::string FormulaLine(double resistivity, std::string_view words,
                        const platform::NumberStyle& style) {
  return Filled(words, platform::Format(resistivity, "#.####", style));
}

}  // namespace calc
