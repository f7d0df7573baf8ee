#include "Display.h"

#include <cstdlib>
#include <string_view>

#if defined(__linux__)
#include <xcb/xcb.h>
#endif

namespace platform::detail {
namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

}  // namespace

std::string DisplayProblem(int argc, char** argv) {
  if (IsSet("QT_QPA_PLATFORM")) return {};
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return {};
  }
#if defined(__linux__)
  if (IsSet("WAYLAND_DISPLAY")) return {};
  if (!IsSet("DISPLAY")) return "no display to open the window on: DISPLAY is not set";
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (failed) {
    return "cannot open the display \"" + std::string(std::getenv("DISPLAY")) + "\"";
  }
#endif
  return {};
}

}  // namespace platform::detail
