#pragma once

#include <array>
#include <string_view>

#include "platform/Translation.h"

// The conductor materials the calculator knows, with their resistivities. Plain data: the
// window's popup is filled from it, and the command line looks materials up in it.
namespace calc {

struct Material {
  // Its English name, which the command line takes, and its name in the window.
  platform::Message name;
  double resistivity;  // ohm · mm² / m at 20 °C
};

// The names are rows of the window's material list, which is 256 pixels wide.
inline constexpr std::array<Material, 6> kMaterials{{
    {platform::Translatable("window", "Copper"), 0.0175},
    {platform::Translatable("window", "Aluminium"), 0.028},
    {platform::Translatable("window", "Gold"), 0.023},
    {platform::Translatable("window", "Silver"), 0.016},
    {platform::Translatable("window", "Iron"), 0.098},
    //: The metal lead (Pb), a conductor material; not a lead wire.
    {platform::Translatable("window", "Lead"), 0.221},
}};

// `c` in lower case where it is an ASCII capital, whatever the locale: names are compared and
// shown in lower case with it.
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The material of that name, in any letter case; nullptr when there is none.
const Material* MaterialNamed(std::string_view name);

}  // namespace calc
