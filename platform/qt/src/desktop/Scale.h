#pragma once

#include "platform/Design.h"

class QFont;
class QRect;

namespace platform::detail {

// The design measures type in the same unit as geometry: a text size of 10 is 10
// device-independent pixels high, as on the platform the layout was drawn on. Qt's points are
// a third larger at 96 dpi and would not fit the boxes drawn for them. Size 0 is the default
// UI size, chosen so that the default font fits a 20-pixel-high caption box.
constexpr int kDefaultPixelSize = 11;

// Desktops ship default fonts of up to 11 pt (Qt's own fallback is 9 pt, KDE's 10 pt, GNOME's
// 11 pt). A larger one is the user asking for larger text: the whole design then grows by the
// desktop's size over this one, boxes and type together, so that every text keeps its room.
constexpr double kLargestShippedPointSize = 11;

// The factor the desktop's font size asks the design to grow by, at least 1; read once, from
// the font the desktop gave the application.
double DesktopScale();

// The design grows by two factors: its type by the type scale, its boxes by the box scale. Both
// start at the desktop's scale; a window then widens its boxes where the desktop's font draws
// its texts wider than the design's font did, and narrows both to fit the screen
// (Window::FitDesign). Setting them also sets the application's font to the default UI size.
double TypeScale();
double BoxScale();
void SetScales(double type, double box);

// A design length in device-independent pixels on this desktop.
int Scaled(int designLength);
// A design box on this desktop; its edges are scaled, so neighbouring boxes stay neighbours.
QRect ScaledBox(const Box& box);
// The pixel size of a design text size (0 is the default UI size) on this desktop.
int PixelSize(float designSize);

// Makes the default UI size the application's font, so that controls of the default size share
// one font with the menus instead of each loading another. The runtime calls it again whenever
// the application font changes: a desktop theme may set its own later (qt6ct does, once the
// event loop runs). The desktop's font family stays; its size is already in the scales.
void UseDefaultPixelSize();

}  // namespace platform::detail
