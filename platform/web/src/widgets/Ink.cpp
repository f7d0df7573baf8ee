#include "widgets/Ink.h"

#include <algorithm>
#include <cmath>

#include "platform/Design.h"

namespace platform::web {

std::string CssColor(Color color) {
  std::string css = "#";
  for (int shift = 20; shift >= 0; shift -= 4) css += "0123456789abcdef"[(color.rgb >> shift) & 0xF];
  return css;
}

namespace {

// The page's dark background (page.css, --window in the dark scheme).
constexpr Color kDarkWindow{0x202124};
constexpr double kLegibleContrast = 4.5;

double Channel(Color color, int shift) { return ((color.rgb >> shift) & 0xFF) / 255.0; }

double Luminance(Color color) {
  double sum = 0;
  for (const auto& [shift, weight] : {std::pair{16, 0.2126}, {8, 0.7152}, {0, 0.0722}}) {
    const double c = Channel(color, shift);
    sum += weight * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
  }
  return sum;
}

double Contrast(Color a, Color b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color OnDark(Color color) {
  for (int step = 0; step <= 20; ++step) {
    std::uint32_t mixed = 0;
    for (const int shift : {16, 8, 0}) {
      const double c = Channel(color, shift) * 255;
      mixed |= static_cast<std::uint32_t>(std::lround(c + (255 - c) * step / 20.0)) << shift;
    }
    if (Contrast(Color{mixed}, kDarkWindow) >= kLegibleContrast) return Color{mixed};
  }
  return kWhite;
}

}  // namespace

void UseDesignInk(Element& element, Color ink) {
  element.SetStyle("--ink", CssColor(ink));
  const bool grey = Channel(ink, 16) == Channel(ink, 8) && Channel(ink, 8) == Channel(ink, 0);
  if (!grey) element.SetStyle("--ink-dark", CssColor(OnDark(ink)));
}

}  // namespace platform::web
