#pragma once

#include <string_view>

#include "platform/Properties.h"

// The calculator window's design: the window's own property list and each control's, in the
// order each class applies them. Nothing here runs at any other time than construction.
namespace design {

platform::PropertyList Window1Properties();

// The list of the control named `name`; raises InvalidArgumentException for another name.
platform::PropertyList ControlProperties(std::string_view name);

}  // namespace design
