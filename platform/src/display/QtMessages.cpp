#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "display/Display.h"

namespace platform::detail {
namespace {

std::string programName = "voltage-drop";
QtMessageHandler qtHandler = nullptr;
bool starting = false;

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};
std::vector<HeldMessage> held;

// Writes the program's one line for how it ends, and ends it with status 1 at once. Qt may say
// so from two threads at a time (Qt 6.4's Wayland plugin reads events on a thread of its own):
// the first one writes and ends, any other waits for the end.
[[noreturn]] void EndWith(const std::string& line) {
  static std::atomic_flag ending = ATOMIC_FLAG_INIT;
  if (ending.test_and_set()) {
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
  }
  std::fprintf(stderr, "%s: %s\n", programName.c_str(), line.c_str());
  std::fflush(stderr);
  std::_Exit(1);
}

void Write(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (qtHandler != nullptr) return qtHandler(type, context, message);
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Qt reports each platform it could not start with a warning or two ("could not connect to
// display :0", "Could not load the Qt platform plugin "xcb" …") and then gives up with a fatal
// message and abort(): the warnings, in Qt's own words, are the reason.
[[noreturn]] void EndForNoDisplay(const QString& fatal) {
  QStringList reasons;
  for (const HeldMessage& message : held) {
    // Qt 6.5 and later add this guess whenever xcb does not start, whatever the reason was.
    if (message.text.startsWith(QLatin1String("From 6.5.0, xcb-cursor0"))) continue;
    reasons << message.text.simplified();
  }
  if (reasons.isEmpty()) reasons << fatal.section(QLatin1Char('\n'), 0, 0).simplified();
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    reasons << QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
  }
  EndWith("no display to open the window on: " + reasons.join(QLatin1String("; ")).toStdString());
}

// Qt's xcb plugin says "The X11 connection broke (error N). Did the X11 server die?" and its
// Wayland plugin "The Wayland connection broke. Did the Wayland compositor die?"; Qt 6.4 then
// exits with 1, Qt 6.8's Wayland plugin with 255, and Qt 6.11 first tears objects down with a
// warning for each.
void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && starting) EndForNoDisplay(message);
  if (type != QtFatalMsg && message.contains(QLatin1String("connection broke"))) {
    EndForLostDisplay(message.contains(QLatin1String("Wayland")) ? "Wayland" : "X11");
  }
  if (starting && type != QtFatalMsg) {
    held.push_back({type, context.category != nullptr ? context.category : "", message});
    return;
  }
  Write(type, context, message);
}

}  // namespace

void InstallQtMessages(const char* programPath) {
  if (programPath != nullptr && *programPath != '\0') {
    const std::string path = programPath;
    programName = path.substr(path.find_last_of("/\\") + 1);
  }
  // Rules set here give way to QT_LOGGING_RULES and QT_LOGGING_CONF (QLoggingCategory's order).
  // Besides debug and info, two kinds of warning that no user can act on stay off: the
  // accessibility bridge's on calls it does not implement (at-spi2-core 2.56 asks Qt 6.11 for
  // GetApplicationBusAddress), and the GNOME theme's when no desktop portal answers it.
  QLoggingCategory::setFilterRules(
      QStringLiteral("*.debug=false\n*.info=false\n"
                     "qt.accessibility.atspi.warning=false\n"
                     "qt.qpa.theme.gnome.warning=false"));
  qtHandler = qInstallMessageHandler(Handle);
  starting = true;
}

void QtStarted() {
  starting = false;
  for (const HeldMessage& message : std::exchange(held, {})) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    Write(message.type, context, message.text);
  }
}

void EndForLostDisplay(const char* system) {
  EndWith(std::string("lost the display: the ") + system + " connection broke");
}

}  // namespace platform::detail
