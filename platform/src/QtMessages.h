#pragma once

namespace platform::detail {

// What Qt and its plugins write on standard error while the program runs. Their debug and info
// messages (a platform theme's tracing, for one) stay off unless QT_LOGGING_RULES or
// QT_LOGGING_CONF asks for them; warnings pass as Qt writes them. A message that the display's
// connection broke ends the program at once with its one line and status 1, whatever Qt would
// print or do next on that Qt version: its own exit status, or warnings from objects torn down
// without a display. Call it once, before Qt's application object exists.
void InstallQtMessages(const char* programPath);

// Ends the program with its one line for a display that went away: "<program>: lost the
// display: the <system> connection broke", status 1, nothing run at exit.
[[noreturn]] void EndForLostDisplay(const char* system);

}  // namespace platform::detail
