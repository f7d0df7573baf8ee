#pragma once

// display/: what the display server tells the program beyond Qt's events: X11's key releases, a
// display that went away, Qt's own messages about it.

#include <cstdint>
#include <functional>

class QString;

namespace platform::detail {

// What Qt and its plugins write on standard error. Their debug and info messages (a platform
// theme's tracing, for one) stay off unless QT_LOGGING_RULES or QT_LOGGING_CONF asks for them;
// warnings pass as Qt writes them. The display is learnt from Qt itself: a platform Qt cannot
// start ends the program with its one line and status 1 instead of Qt's abort, and so does a
// message that the display's connection broke, whatever Qt would print or do next on that Qt
// version. Call it once, just before Qt's application object is made.
// `platform` is the platform Qt is asked for (AskedPlatform). A Wayland platform that cannot
// find its display, with no other to try after it, ends the program here, before libwayland
// writes its own line.
void InstallQtMessages(const char* programPath, const QString& platform);

// The platforms Qt is asked to start, as Qt reads them: -platform's value, or else
// QT_QPA_PLATFORM's ("xcb:display=:9", "wayland;xcb"); empty for Qt's own choice.
QString AskedPlatform(int argc, char** argv);

// Settings Qt reads as it starts that would hang it, fill the memory or leave it with no window
// (QT_SCALE_FACTOR of 0 or no number, QT_LOGGING_CONF or -stylesheet naming a FIFO or a device
// such as /dev/zero) are dropped, each with one line on standard error. Call it before Qt's
// application object is made.
void GuardQtSettings(int& argc, char** argv);

// Runs `answer`, this program's answer to another program's call over the accessibility bus,
// with Qt's warnings kept off standard error: they tell what that program asked, anything any
// program on the bus may ask, and would let it write lines there at will.
void AnswerWithoutWarnings(const std::function<void()>& answer);

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

// Under X: has the server send an auto-repeated key as presses alone, with no release between
// them, and calls `releasedElsewhere` (posted, after the key events read before it) for a key
// pressed in this program whose release went to another client, and for a key another client
// pressed here with XSendEvent, whose release the server will never report; keycode 0 for such a
// press without a keycode. Once per application; nothing elsewhere.
void WatchKeyReleases(std::function<void(std::uint32_t keycode)> releasedElsewhere);

}  // namespace platform::detail
