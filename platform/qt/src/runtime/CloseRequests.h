#pragma once

#include <functional>

namespace platform::detail {

// On Windows, where a running program's file can be neither replaced nor removed: tells the
// installer that the program runs (a named mutex), and calls `close` when the installer asks
// every running copy to close (a named event it sets) before it upgrades or uninstalls it.
void AnswerCloseRequests(const std::function<void()>& close);

}  // namespace platform::detail
