#pragma once

#include <string>

namespace platform::detail {

// Why Qt could not show a window, or empty if it can. Qt itself aborts with a core dump when
// it finds no display, so the runtime asks first. An explicit platform choice (-platform or
// QT_QPA_PLATFORM) is left to Qt.
std::string DisplayProblem(int argc, char** argv);

}  // namespace platform::detail
