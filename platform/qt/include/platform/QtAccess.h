#pragma once

// The Qt widgets behind a window and its controls: for the platform itself, and for tests and
// benchmarks that check what a person would see. The calculator's own code never needs them.

class QWidget;

namespace platform {

class Control;
class Window;

QWidget* WidgetOf(const Control& control);
QWidget* WidgetOf(const Window& window);

// How long a live label's new texts must stand before a screen reader hears them, in
// milliseconds (500 unless set): a test sets 0 to hear them once the events queued are handled.
void SetLiveTextSettle(int milliseconds);

}  // namespace platform
