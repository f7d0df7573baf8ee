#include "Display.h"

#include "QtMessages.h"

#include <QDir>
#include <QLibraryInfo>
#include <cstdlib>
#include <string_view>
#include <vector>

#if defined(__linux__)
#include <X11/Xlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cctype>
#include <cstring>
#endif

namespace platform::detail {

#if defined(__linux__)
namespace {

std::string Env(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr ? value : "";
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The value that follows `option` among the arguments, as Qt reads it; empty when absent.
std::string Argument(int argc, char** argv, std::string_view option) {
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == option || (argument.starts_with('-') && argument.substr(1) == option)) {
      return argv[i + 1];
    }
  }
  return {};
}

// The names of a list such as "wayland;xcb"; "xcb:option=value" names xcb.
std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> names;
  std::size_t from = 0;
  while (from <= list.size()) {
    const std::size_t end = std::min(list.find(';', from), list.size());
    const std::string entry = list.substr(from, end - from);
    if (const std::string name = entry.substr(0, entry.find(':')); !name.empty()) {
      names.push_back(name);
    }
    from = end + 1;
  }
  return names;
}

// The platforms Qt tries, in order, as QGuiApplication chooses them: -platform, else
// QT_QPA_PLATFORM, else the session's own type, with xcb as the fallback.
std::vector<std::string> PlatformsToTry(int argc, char** argv) {
  if (const std::string chosen = Argument(argc, argv, "-platform"); !chosen.empty()) {
    return Split(chosen);
  }
  if (const std::string chosen = Env("QT_QPA_PLATFORM"); !chosen.empty()) return Split(chosen);
  const bool gnome = Lower(Env("XDG_CURRENT_DESKTOP")).find("gnome") != std::string::npos ||
                     Lower(Env("XDG_SESSION_DESKTOP")).find("gnome") != std::string::npos;
  if (Lower(Env("XDG_SESSION_TYPE")) == "wayland" && !gnome) return {"wayland", "xcb"};
  return {"xcb"};
}

// Whether Qt can find the platform's plugin. Plugins looked for elsewhere than Qt's own folder
// are taken on trust.
bool PluginInstalled(const std::string& platform, int argc, char** argv) {
  if (!Env("QT_QPA_PLATFORM_PLUGIN_PATH").empty() || !Env("QT_PLUGIN_PATH").empty() ||
      !Argument(argc, argv, "-platformpluginpath").empty()) {
    return true;
  }
  const std::string file =
      platform == "wayland" ? "libqwayland-generic.so" : "libq" + platform + ".so";
  const QDir folder(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String("/platforms"));
  return folder.exists(QString::fromStdString(file));
}

std::string X11Problem(int argc, char** argv) {
  std::string display = Argument(argc, argv, "-display");
  if (display.empty()) display = Env("DISPLAY");
  if (display.empty()) return "DISPLAY is not set";
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  return failed ? "cannot open the display \"" + display + "\"" : "";
}

// Connects to the compositor's socket as libwayland-client would, and lets go at once.
std::string WaylandProblem() {
  if (!Env("WAYLAND_SOCKET").empty()) return {};
  std::string name = Env("WAYLAND_DISPLAY");
  if (name.empty()) name = "wayland-0";
  std::string path = name;
  if (name.front() != '/') {
    if (Env("XDG_RUNTIME_DIR").empty()) return "XDG_RUNTIME_DIR is not set";
    path = Env("XDG_RUNTIME_DIR") + "/" + name;
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return "the Wayland socket's path is too long";
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const bool connected =
      socket >= 0 &&
      ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  if (socket >= 0) ::close(socket);
  return connected ? "" : "cannot connect to the Wayland display \"" + name + "\"";
}

std::string PlatformProblem(const std::string& platform, int argc, char** argv) {
  if (!PluginInstalled(platform, argc, argv)) {
    return platform.starts_with("wayland")
               ? "Qt's Wayland support (the qt6-wayland package) is not installed"
               : "Qt has no platform plugin \"" + platform + "\"";
  }
  if (platform == "xcb") return X11Problem(argc, argv);
  if (platform.starts_with("wayland")) return WaylandProblem();
  return {};
}

}  // namespace

std::string DisplayProblem(int argc, char** argv) {
  std::vector<std::string> platforms = PlatformsToTry(argc, argv);
  if (platforms.empty()) platforms = {"xcb"};
  std::string problems;
  for (const std::string& platform : platforms) {
    const std::string problem = PlatformProblem(platform, argc, argv);
    if (problem.empty()) return {};
    if (!problems.empty()) problems += "; ";
    problems += platforms.size() > 1 ? platform + ": " + problem : problem;
  }
  return "no display to open the window on: " + problems;
}

#else

// Elsewhere Qt's one platform plugin for the system is linked in and always finds a screen.
std::string DisplayProblem(int, char**) { return {}; }

#endif

void EndQuietlyOnLostDisplay() {
#if defined(__linux__)
  XSetIOErrorHandler([](Display*) -> int { EndForLostDisplay("X11"); });
#endif
}

}  // namespace platform::detail
