#include "calc/Materials.h"

#include <algorithm>

namespace calc {

const Material* MaterialNamed(std::string_view name) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  const auto sameName = [&](const Material& material) {
    return std::ranges::equal(material.name, name, {}, lower, lower);
  };
  const auto* found = std::ranges::find_if(kMaterials, sameName);
  return found == kMaterials.end() ? nullptr : found;
}

}  // namespace calc
