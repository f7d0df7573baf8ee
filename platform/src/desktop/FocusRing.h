#pragma once

namespace platform::detail {

// Rings the control that has the keyboard focus, just outside its box, and a menu title the
// keyboard has reached (Alt, F10), just inside its box, which Qt's styles leave unmarked; in the
// theme's highlight colour made to stand at least 3:1 against the window (FocusRingColor). The
// ring is a small widget of its own laid over the window, so it is drawn whatever style the
// application has. A popup's list marks its own current row, and a window that has lost the
// focus shows no ring. The runtime installs it once.
void InstallFocusRing();

}  // namespace platform::detail
