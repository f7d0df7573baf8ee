#pragma once

#include <string>

namespace platform::detail {

// Why Qt could not show a window, or empty if it can. Qt itself aborts with a core dump when
// it finds no display, so the runtime asks first: for each platform Qt would try (-platform,
// QT_QPA_PLATFORM or the session's type), whether its plugin is installed and its display
// server answers.
std::string DisplayProblem(int argc, char** argv);

// Ends the program with its one line for a lost display when Xlib notices first that the X
// server went away; Xlib alone would print its three-line report.
void EndQuietlyOnLostDisplay();

}  // namespace platform::detail
