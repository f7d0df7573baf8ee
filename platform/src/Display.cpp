#include "Display.h"

#include <QDir>
#include <QLibraryInfo>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#if defined(__linux__)
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#endif

namespace platform::detail {
namespace {

bool IsSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// Qt's Wayland support is a package of its own (qt6-wayland); without it Qt aborts.
bool HasWaylandSupport() {
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/platforms"));
  return !platforms.entryList({QStringLiteral("libqwayland-generic.so")}, QDir::Files).isEmpty();
}

}  // namespace

std::string DisplayProblem(int argc, char** argv) {
  if (IsSet("QT_QPA_PLATFORM")) return {};
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return {};
  }
#if defined(__linux__)
  if (IsSet("WAYLAND_DISPLAY") && (IsSet("DISPLAY") || HasWaylandSupport())) return {};
  if (IsSet("WAYLAND_DISPLAY")) {
    return "no X display, and Qt's Wayland support (the qt6-wayland package) is not installed";
  }
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

void EndQuietlyOnLostDisplay() {
#if defined(__linux__)
  XSetIOErrorHandler([](Display*) -> int {
    std::fputs("The X11 connection broke. Did the X11 server die?\n", stderr);
    std::exit(1);
  });
#endif
}

}  // namespace platform::detail
