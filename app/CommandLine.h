#pragma once

#include <optional>

// The program's command-line options: --help, --version, and a calculation printed without a
// window. Returns the exit status when the command line asked for something of its own (or
// was wrong), nothing when the window is to open.
std::optional<int> RunCommandLine(int argc, char** argv);
