#include "calc/Conductor.h"
#include "platform/Numbers.h"
#include "window/Window1.h"

using platform::Val;

// Vd = ρ · I · L / A, with the diameter, length and current in the fields and ρ the tag of the
// selected material. Nothing is validated: whatever Val reads is used, and a zero area
// yields an infinity or NaN, which the result line shows as such.
void Window1::calculate() {
  const double area = conductor::CrossSection(Val(diameter().Text()));
  const double length = Val(lenght().Text());
  const double load = Val(current().Text());
  platform::PopupMenu& popup = PopupMenu1();
  const double resistivity = Val(platform::VariantToString(popup.RowTag(popup.ListIndex())));
  const double drop = (resistivity * (load * length)) / area;
  result().SetText("Voltage drop = " + platform::Format(drop, "#.###") + "V");
}
