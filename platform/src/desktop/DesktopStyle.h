#pragma once

namespace platform::detail {

// Gives the application the style the desktop asks for (or the one `-style` names), wrapped so
// that the menu bar's overflow icon is loaded only when drawn (DeferredIconStyle). On Windows 10
// in dark mode, where Qt's native style can only draw a light palette, Fusion draws the window
// in the desktop's dark colours; the choice is made again when the desktop's mode changes. The
// runtime calls it once.
void UseDesktopStyle();

}  // namespace platform::detail
