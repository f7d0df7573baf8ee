#pragma once

#include <numbers>

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

}  // namespace conductor
