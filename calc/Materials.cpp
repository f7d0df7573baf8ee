#include <array>
#include <string>

#include "platform/Numbers.h"
#include "window/Window1.h"

using platform::PopupMenu;

namespace {

struct Material {
  const char* name;
  double resistivity;  // ohm · mm² / m at 20 °C
};

// The materials the popup is filled with: a row's text is the material's name and its tag the
// resistivity. Once filled, the popup is what the calculation reads them from.
constexpr std::array<Material, 6> kMaterials{{
    {"Copper", 0.0175},
    {"Aluminium", 0.028},
    {"Gold", 0.023},
    {"Silver", 0.016},
    {"Iron", 0.098},
    {"Lead", 0.221},
}};

}  // namespace

void Window1::PopupMenu1_Open(PopupMenu& popup) {
  for (std::size_t row = 0; row < kMaterials.size(); ++row) {
    popup.AddRow(kMaterials[row].name);
    popup.SetRowTag(static_cast<std::int64_t>(row),
                    platform::DoubleToVariant(kMaterials[row].resistivity));
  }
  // Selecting raises Change, which writes the first formula line and result.
  popup.SetListIndex(0);
}

void Window1::PopupMenu1_Change(PopupMenu& popup) {
  platform::Label& formula = form();
  const double resistivity = platform::VariantToDouble(popup.RowTag(popup.ListIndex()));
  formula.SetText("Vd (20\u00B0C) = ( Length x Current x " +
                  platform::Format(resistivity, "#.####") + " ) / Area");
  calculate();
}
