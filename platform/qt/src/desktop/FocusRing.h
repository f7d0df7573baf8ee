#pragma once

class QPainter;
class QPalette;
class QRect;
class QWidget;

namespace platform::detail {

// The ring's band and the gap between it and the control's own border, in design pixels.
constexpr int kRingWidth = 2;
constexpr int kRingGap = 1;

// Rings the control in `content` that has the keyboard focus, just outside its box, in the
// theme's highlight colour made to stand at least 3:1 against the window (FocusRingColor),
// whatever style the application has: Qt's focus frame, which follows the control, drawn as
// the ring. A popup's list marks its own current row, and a window that has lost the focus
// shows no ring. The ring lives with `content`, the window's controls' parent.
void RingFocus(QWidget* content);

// Draws the ring's band just inside `box`, in the colours of `palette`.
void DrawRing(QPainter& painter, const QRect& box, const QPalette& palette);

}  // namespace platform::detail
