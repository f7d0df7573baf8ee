#pragma once

#include <QColor>
#include <QPalette>
#include <optional>

class QWidget;

#include "platform/Design.h"

namespace platform::detail {

// The design's colours were chosen for a light window. On a dark desktop theme they are mapped
// so that every text still reads: the design's black becomes the theme's own text colour and
// its white the theme's field background; any other ink too close to its background is
// lightened, keeping its hue, until it reaches the contrast that WCAG asks of body text.
// On a light theme every colour stays exactly as designed.
constexpr double kLegibleContrast = 4.5;

inline QColor ColorOf(Color color) {
  return QColor(static_cast<int>((color.rgb >> 16) & 0xFF),
                static_cast<int>((color.rgb >> 8) & 0xFF), static_cast<int>(color.rgb & 0xFF));
}

// What WCAG asks of a focus indicator against what it covers.
constexpr double kIndicatorContrast = 3.0;

// WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

bool IsDark(const QPalette& palette);

// The colour to draw text of the design colour `ink` in, on the `background` the theme gives,
// where `themeInk` is the theme's text colour for that background.
QColor LegibleInk(const QColor& ink, const QColor& background, const QColor& themeInk);

// The colour of the ring around the control that has the keyboard focus: the theme's highlight,
// darkened or lightened until it stands out from the window's background.
QColor FocusRingColor(const QPalette& palette);

// The background for a field the design paints `base`, on a theme with `palette`.
QColor FieldBase(const QColor& base, const QPalette& palette);

// Draws `widget`'s text in the design's `ink`, on the design's `base` for a field, made legible
// for the theme in force.
void UseDesignColors(QWidget* widget, const QColor& ink, std::optional<QColor> base);

// Makes every widget's design colours legible again on a theme that has changed; the runtime
// calls it whenever the application palette changes.
void ReapplyDesignColors();

}  // namespace platform::detail
