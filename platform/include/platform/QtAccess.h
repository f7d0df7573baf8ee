#pragma once

// The Qt widgets behind a window and its controls: for the platform itself, and for tests and
// benchmarks that check what a person would see. The calculator's own code never needs them.

class QWidget;

namespace platform {

class Control;
class Window;

QWidget* WidgetOf(const Control& control);
QWidget* WidgetOf(const Window& window);

}  // namespace platform
