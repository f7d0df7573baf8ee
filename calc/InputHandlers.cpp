#include "calc/Conductor.h"
#include "platform/Translation.h"
#include "window/Window1.h"

using platform::TextField;

void Window1::current_TextChange(TextField&) { calculate(); }

void Window1::lenght_TextChange(TextField&) { calculate(); }

// The diameter and the cross-section rewrite each other on KeyUp, which the program's own
// writes never raise; their text changes do nothing, so a write cannot start an exchange.
void Window1::diameter_TextChange(TextField&) {}

void Window1::areafld_TextChange(TextField&) {}

void Window1::diameter_KeyUp(TextField&, const std::string&) {
  areafld().SetText(conductor::CrossSectionText(diameter().Text(), platform::WindowNumbers()));
  calculate();
}

// calculate reads the diameter back from the text written here.
void Window1::areafld_KeyUp(TextField& field, const std::string&) {
  diameter().SetText(conductor::DiameterText(field.Text(), platform::WindowNumbers()));
  calculate();
}
