#include "calc/VoltageDrop.h"
#include "platform/Numbers.h"
#include "platform/Translation.h"
#include "window/Window1.h"

using platform::Val;

// The drop for the diameter, length and current in the fields and the resistivity in the tag
// of the selected material. Nothing is validated: whatever Val reads is used, and a zero
// diameter yields an infinity or NaN, which the result line shows as such.
void Window1::calculate() {
  const std::string diameterText = diameter().Text();
  const std::string lengthText = lenght().Text();
  const std::string currentText = current().Text();
  platform::PopupMenu& popup = PopupMenu1();
  const double resistivity = Val(platform::VariantToString(popup.RowTag(popup.ListIndex())));
  const platform::NumberStyle numbers = platform::WindowNumbers();
  const double drop =
      calc::VoltageDrop(resistivity, currentText, lengthText, diameterText, numbers);
  const calc::SpokenWords spoken{
      platform::Translated(calc::kSpokenResult), platform::Translated(calc::kSpokenMinus),
      platform::Translated(calc::kSpokenInfinity), platform::Translated(calc::kSpokenNotANumber)};
  result().SetText(calc::ResultLine(drop, platform::Translated(calc::kResultWords), numbers),
                   calc::SpokenResultLine(drop, spoken, numbers));
}
