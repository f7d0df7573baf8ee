#pragma once

// widgets/: the Qt widgets a window and its controls are built of, and the Edit menu's
// commands on them.

class QWidget;

namespace platform {
class Window;
}

namespace platform::detail {

// The widget that holds a window's controls (its content area below the menu bar).
QWidget* ContentOf(Window& window);

}  // namespace platform::detail
