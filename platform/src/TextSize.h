#pragma once

#include <cmath>

namespace platform::detail {

// The design measures type in the same unit as geometry: a text size of 10 is 10
// device-independent pixels high, as on the platform the layout was drawn on. Qt's points are
// a third larger at 96 dpi and would not fit the boxes drawn for them. Size 0 is the default
// UI size, chosen so that the default font fits a 20-pixel-high caption box.
constexpr int kDefaultPixelSize = 11;

inline int PixelSize(float designSize) {
  return designSize > 0 ? static_cast<int>(std::lround(designSize)) : kDefaultPixelSize;
}

// Makes the default UI size the application's font, so that controls of the default size
// share one font with the menus instead of each loading another.
void UseDefaultPixelSize();

}  // namespace platform::detail
