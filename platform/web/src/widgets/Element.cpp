#include "widgets/Element.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Design.h"

namespace platform::web {

extern "C" {
int vd_create(const char* tag);
void vd_drop(int node);
void vd_set_attribute(int node, const char* name, const char* value);
void vd_remove_attribute(int node, const char* name);
void vd_set_style(int node, const char* property, const char* value);
void vd_set_text(int node, const char* text);
void vd_append(int parent, int child);
int vd_call(const char* name, int node, const char* a, const char* b, const char* c, int number);
char* vd_call_text(const char* name, int node, const char* a, int number);
}

int Create(const char* tag) { return vd_create(tag); }

int Call(const char* name, int node, const std::string& a, const std::string& b,
         const std::string& c, int number) {
  return vd_call(name, node, a.c_str(), b.c_str(), c.c_str(), number);
}

std::string CallForText(const char* name, int node, const std::string& a, int number) {
  char* answer = vd_call_text(name, node, a.c_str(), number);
  std::string text(answer);
  std::free(answer);
  return text;
}

Element::~Element() { vd_drop(node); }

void Element::SetAttribute(const char* name, const std::string& value) {
  vd_set_attribute(node, name, value.c_str());
}

void Element::RemoveAttribute(const char* name) { vd_remove_attribute(node, name); }

void Element::SetStyle(const char* property, const std::string& value) {
  vd_set_style(node, property, value.c_str());
}

void Element::SetText(const std::string& text) { vd_set_text(node, text.c_str()); }

void Element::Append(Element& child) { vd_append(node, child.node); }

std::string CssColor(Color color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(color.rgb & 0xFFFFFF));
  return text;
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
