#pragma once

namespace platform::detail {

// On Windows, where a running program's file can be neither replaced nor removed: tells the
// installer that the program runs (a named mutex), and ends it, as File > Quit does, when the
// installer asks every running copy to close (a named event it sets) before it upgrades or
// uninstalls the program.
void AnswerCloseRequests();

}  // namespace platform::detail
