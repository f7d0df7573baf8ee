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
  std::string number =
      std::isinf(drop) ? words.infinity : platform::Format(std::fabs(drop), "#.###", style);
  // A drop too small to show three decimals of is shown with its sign all the same.
  if (std::signbit(drop) && platform::Format(drop, "#.###", style).front() == '-')
    number = Filled(words.minus, number);
  return Filled(words.result, number);
}

std::string FormulaLine(double resistivity, std::string_view words,
                        const platform::NumberStyle& style) {
  return Filled(words, platform::Format(resistivity, "#.####", style));
}

}  // namespace calc
