#pragma once

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

}  // namespace platform::detail
