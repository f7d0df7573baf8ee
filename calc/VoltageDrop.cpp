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

namespace {

std::string Filled(std::string_view words, const std::string& number) {
  std::string line(words);
  if (const std::size_t at = line.find("%1"); at != std::string::npos) line.replace(at, 2, number);
  return line;
}

}  // namespace

std::string ResultLine(double drop, std::string_view words) {
  return Filled(words, platform::Format(drop, "#.###"));
}

std::string FormulaLine(double resistivity, std::string_view words) {
  return Filled(words, platform::Format(resistivity, "#.####"));
}

}  // namespace calc
