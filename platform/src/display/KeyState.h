#pragma once

#include <cstdint>

namespace platform::detail {

// Whether the X server holds the key with this keycode down right now (a round trip to the
// server). False where the application does not run on X.
bool KeyIsDown(std::uint32_t keycode);

// Whether KeyIsDown can tell: the application runs on X.
bool KeyStateKnown();

}  // namespace platform::detail
