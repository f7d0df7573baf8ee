#include <cstdint>

#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "platform/Numbers.h"
#include "platform/Translation.h"
#include "window/Window1.h"

using platform::PopupMenu;

// A row's text is the material's name and its tag the resistivity. Once filled, the popup is
// what the calculation reads them from.
void Window1::PopupMenu1_Open(PopupMenu& popup) {
  for (std::size_t row = 0; row < calc::kMaterials.size(); ++row) {
    popup.AddRow(platform::Translated(calc::kMaterials[row].name));
    popup.SetRowTag(static_cast<std::int64_t>(row),
                    platform::DoubleToVariant(calc::kMaterials[row].resistivity));
  }
  // Selecting raises Change, which writes the first formula line and result.
  popup.SetListIndex(0);
}

void Window1::PopupMenu1_Change(PopupMenu& popup) {
  platform::Label& formula = form();
  const double resistivity = platform::VariantToDouble(popup.RowTag(popup.ListIndex()));
  formula.SetText(calc::FormulaLine(resistivity, platform::Translated(calc::kFormulaWords),
                                    platform::WindowNumbers()));
  calculate();
}
