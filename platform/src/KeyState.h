#pragma once

#include <cstdint>

namespace platform::detail {

// Whether the X server holds the key with this keycode down right now (a round trip to the
// server). False where the application does not run on X.
bool KeyIsDown(std::uint32_t keycode);

// Calls `lost` whenever a window of the program loses the X input focus, even for an instant
// too short for Qt to report it (Qt waits for the focus to settle before it tells a widget):
// the release of a key pressed before then goes to another window. Nothing where the
// application does not run on X. The runtime installs it once.
void WhenXFocusIsLost(void (*lost)());

}  // namespace platform::detail
