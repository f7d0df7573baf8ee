#pragma once

class QWidget;

namespace platform {
class Window;
}

namespace platform::detail {

// The widget that holds a window's controls (its content area below the menu bar).
QWidget* ContentOf(Window& window);

}  // namespace platform::detail
