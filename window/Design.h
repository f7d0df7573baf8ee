#pragma once

#include "platform/Design.h"

// The calculator window's design: the window's record and one record per control, in the
// order the window creates them.
namespace design {

extern const platform::WindowDesign kWindow1;

extern const platform::PopupMenuDesign kPopupMenu1;
extern const platform::LabelDesign kLabel3;
extern const platform::TextFieldDesign kCurrent;
extern const platform::LabelDesign kResult;
extern const platform::LabelDesign kForm;
extern const platform::TextFieldDesign kDiameter;
extern const platform::TextFieldDesign kLenght;
extern const platform::LabelDesign kLabel2;
extern const platform::LabelDesign kLabel1;
extern const platform::TextFieldDesign kAreafld;
extern const platform::LabelDesign kLabel4;

}  // namespace design
