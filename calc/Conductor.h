#pragma once

#include <numbers>
#include <string>
#include <string_view>

#include "platform/Numbers.h"

// The round conductor's geometry, in millimetres and square millimetres. The groupings are
// part of the result: another order of the same operations can change the last bit.
namespace conductor {

inline double CrossSection(double diameter) {
  return ((diameter * std::numbers::pi) * diameter) / 4;
}

inline double Diameter(double crossSection) {
  return platform::Sqrt(crossSection / std::numbers::pi) * 2;
}

// What the cross-section field shows for the diameter field's text, and the other way round,
// both in `style`: the shortest text that reads back to the computed value.
inline std::string CrossSectionText(std::string_view diameter,
                                    const platform::NumberStyle& style = {}) {
  return platform::Str(CrossSection(platform::Val(diameter, style)), style);
}

inline std::string DiameterText(std::string_view crossSection,
                                const platform::NumberStyle& style = {}) {
  return platform::Str(Diameter(platform::Val(crossSection, style)), style);
}

}  // namespace conductor
