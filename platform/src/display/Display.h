#pragma once

// display/: what the display server tells the program beyond Qt's events: X11's key state, a
// display that went away, Qt's own messages about it.

namespace platform::detail {

// Ends the program with its one line for a lost display when Xlib notices first that the X
// server went away; Xlib alone would print its three-line report and exit.
void EndQuietlyOnLostDisplay();

}  // namespace platform::detail
