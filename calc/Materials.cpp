#include "calc/Materials.h"

#include <algorithm>

namespace calc {

const Material* MaterialNamed(std::string_view name) {
  const auto sameName = [&](const Material& material) {
    return std::ranges::equal(std::string_view(material.name.english), name, {}, AsciiLower,
                              AsciiLower);
  };
  const auto* found = std::ranges::find_if(kMaterials, sameName);
  return found == kMaterials.end() ? nullptr : found;
}

}  // namespace calc
