#pragma once

// display/: what the display server tells the program beyond Qt's events: X11's key state, a
// display that went away, Qt's own messages about it.

#include <cstdint>

class QString;

namespace platform::detail {

// What Qt and its plugins write on standard error. Their debug and info messages (a platform
// theme's tracing, for one) stay off unless QT_LOGGING_RULES or QT_LOGGING_CONF asks for them;
// warnings pass as Qt writes them. The display is learnt from Qt itself: a platform Qt cannot
// start ends the program with its one line and status 1 instead of Qt's abort, and so does a
// message that the display's connection broke, whatever Qt would print or do next on that Qt
// version. Call it once, just before Qt's application object is made.
void InstallQtMessages(const char* programPath);

// Qt's application object is made: the warnings held back while Qt chose its platform (a
// platform tried before the one that started, for one) are written now.
void QtStarted();

// Ends the program with its one line for a display that went away: "<program>: lost the
// display: the <system> connection broke", status 1, nothing run at exit.
[[noreturn]] void EndForLostDisplay(const char* system);

// Ends the program with its one line for a platform that made no window for the one shown
// (vkkhrdisplay shows only Vulkan surfaces), status 1.
[[noreturn]] void EndForNoWindow(const QString& platform);

// Ends the program with its one line for a lost display when Xlib notices first that the X
// server went away; Xlib alone would print its three-line report and exit.
void EndQuietlyOnLostDisplay();

// Whether the X server holds the key with this keycode down right now (a round trip to the
// server). False where the application does not run on X.
bool KeyIsDown(std::uint32_t keycode);

// Whether KeyIsDown can tell: the application runs on X.
bool KeyStateKnown();

}  // namespace platform::detail
