#include <QGuiApplication>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "display/Display.h"
#include "platform/ArgumentText.h"
#include "platform/Translation.h"
#include "text/ArgumentText.h"

namespace platform::detail {
namespace {

std::string programName = "voltage-drop";
QStringList askedPlatforms;  // "xcb:display=:9", each with its options
QtMessageHandler qtHandler = nullptr;
QLoggingCategory::CategoryFilter rulesFilter = nullptr;

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
  bool shown;  // as the logging rules have it
};

// Qt may log from threads of its own (Qt 6.4's Wayland plugin reads events on one).
std::mutex lock;
bool starting = false;
std::vector<HeldMessage> held;
std::set<std::string> silenced;       // the categories whose warnings the logging rules switch off
thread_local bool answering = false;  // another program's call over the accessibility bus

// A text of Qt's or of the environment as a line shows it: quoted, escapes and all, where it
// holds a character a terminal would act on or not show as itself.
std::string Shown(const QString& text) {
  const QList<uint> points = text.toUcs4();
  const bool plain = std::all_of(points.begin(), points.end(), ShownAsItself);
  return plain ? text.toStdString() : Quoted(text.toStdString());
}

// Whether every platform asked for is a Wayland one; none asked for is Qt's own choice.
bool OnlyWayland() {
  return !askedPlatforms.isEmpty() &&
         std::all_of(askedPlatforms.begin(), askedPlatforms.end(), [](const QString& platform) {
           return platform.startsWith(QLatin1String("wayland"));
         });
}

// Qt's reason for not opening a display in the program's words where the program knows what
// happened, so that a translated line stays in one language; in Qt's own words otherwise.
QString InOurWords(const QString& reason) {
  static const QRegularExpression x11(QStringLiteral("^could not connect to display ?(.*)$"));
  static const QRegularExpression wayland(QStringLiteral(
      "^Failed to create wl_display \\((No such file or directory|Connection refused)\\)$"));
  static const QRegularExpression plugin(
      QStringLiteral("^Could not (load|find) the Qt platform plugin \"([^\"]*)\""));
  std::string words;
  if (const auto match = x11.match(reason); match.hasMatch()) {
    const QString display =
        match.captured(1).isEmpty() ? qEnvironmentVariable("DISPLAY") : match.captured(1);
    words = display.isEmpty()
                ? Translated(
                      platform::Translatable("error messages", "could not connect to an X display"))
                : Translated(platform::Translatable("error messages",
                                                    "could not connect to the X display %1"),
                             Shown(Abridged(display)));
  } else if (const auto match = wayland.match(reason); match.hasMatch()) {
    const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    words = Translated(
        match.captured(1) == QLatin1String("Connection refused")
            ? platform::Translatable("error messages", "the Wayland display %1 does not answer")
            : platform::Translatable("error messages", "the Wayland display %1 does not exist"),
        Shown(Abridged(display)));
  } else if (const auto match = plugin.match(reason); match.hasMatch()) {
    words = Translated(
        match.captured(1) == QLatin1String("load")
            ? platform::Translatable("error messages", "could not load Qt's platform plugin %1")
            : platform::Translatable("error messages", "Qt has no platform plugin %1"),
        Shown(Abridged(match.captured(2))));
  } else {
    return reason;
  }
  return QString::fromStdString(words);
}

// Writes the program's one line for how it ends, and ends it with status 1 at once. Qt may say
// so from two threads at a time: the first one writes and ends, any other waits for the end.
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
// display :0", "Could not load the Qt platform plugin "xcb" …"), switched off or not, and then
// gives up with a fatal message (or, once started, finds no screen): the warnings, in Qt's own
// words, are the reason.
[[noreturn]] void EndForNoDisplay(const std::vector<HeldMessage>& messages, const QString& last) {
  QStringList reasons;
  for (const HeldMessage& message : messages) {
    // Debug and info messages, which logging rules may switch on, trace the search; no reason.
    if (message.type == QtDebugMsg || message.type == QtInfoMsg) continue;
    // Qt 6.5 and later add this guess whenever xcb does not start, whatever the reason was.
    if (message.text.startsWith(QLatin1String("From 6.5.0, xcb-cursor0"))) continue;
    // The EGL platforms trace the display they opened, by its address, and any platform may
    // say where its runtime files go: no reasons either.
    if (message.text.startsWith(QLatin1String("Opened display 0x")) ||
        message.text.startsWith(QLatin1String("QStandardPaths: "))) {
      continue;
    }
    reasons << InOurWords(message.text.simplified());
  }
  if (reasons.isEmpty()) reasons << InOurWords(last.section(QLatin1Char('\n'), 0, 0).simplified());
  // Qt's X11 platform takes its display from -display or DISPLAY alone (Qt 6.4 to 6.11): one
  // named as an option of the platform, "xcb:display=:9", is not the one it tried.
  const QString first = askedPlatforms.value(0);
  if (first.startsWith(QLatin1String("xcb:"))) {
    //: %1 is what was given after "xcb:", such as display=:9.
    reasons << QString::fromStdString(
        Translated(platform::Translatable("error messages",
                                          "xcb takes no options such as %1; "
                                          "-display names the X display"),
                   Shown(Abridged(first.mid(4)))));
  }
  // Said where the platform is X11's or Wayland's, which find their display from these.
  const bool xOrWayland = first.isEmpty() || first.startsWith(QLatin1String("xcb")) ||
                          first.startsWith(QLatin1String("wayland"));
  if (xOrWayland && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    reasons << QString::fromStdString(Translated(
        platform::Translatable("error messages", "neither DISPLAY nor WAYLAND_DISPLAY is set")));
  }
  //: The line the program ends with when it cannot show its window; %1 says why, one reason
  //: after another, separated by "; ".
  EndWith(
      Translated(platform::Translatable("error messages", "no display to open the window on: %1"),
                 Shown(reasons.join(QLatin1String("; ")))));
}

// Qt's xcb plugin says "The X11 connection broke (error N). Did the X11 server die?" and its
// Wayland plugin "The Wayland connection broke. Did the Wayland compositor die?"; Qt 6.4 then
// exits with 1, Qt 6.8's Wayland plugin with 255, and Qt 6.11 first tears objects down with a
// warning for each.
const char* BrokenConnection(const QString& message) {
  if (message.startsWith(QLatin1String("The X11 connection broke (error ")) &&
      message.endsWith(QLatin1String("). Did the X11 server die?"))) {
    return "X11";
  }
  const bool wayland =
      message == QLatin1String("The Wayland connection broke. Did the Wayland compositor die?");
  return wayland ? "Wayland" : nullptr;
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const std::string category = context.category != nullptr ? context.category : "default";
  std::unique_lock<std::mutex> guard(lock);
  if (type == QtFatalMsg && starting) EndForNoDisplay(held, message);
  if (type != QtFatalMsg) {
    if (const char* system = BrokenConnection(message)) EndForLostDisplay(system);
  }
  // With the accessibility bus gone, Qt's bridge warns of every key it could not pass on.
  static bool keyErrorShown = false;
  const bool keyError = message.startsWith(QLatin1String("QSpiApplication::keyEventError"));
  if (keyError && std::exchange(keyErrorShown, true)) return;
  const bool shown = type != QtWarningMsg || (silenced.count(category) == 0 && !answering);
  if (starting && type != QtFatalMsg) return held.push_back({type, category, message, shown});
  guard.unlock();
  if (shown) Write(type, context, message);
}

// The logging rules decide what is written, but every warning reaches Handle, which learns
// from Qt's warnings whether a display could be opened and whether it went away.
void KeepWarnings(QLoggingCategory* category) {
  if (rulesFilter != nullptr) rulesFilter(category);  // none yet while Qt installs this one
  if (!category->isWarningEnabled()) {
    const std::lock_guard<std::mutex> guard(lock);
    silenced.insert(category->categoryName());
  }
  category->setEnabled(QtWarningMsg, true);
}

}  // namespace

void InstallQtMessages(const char* programPath, const QString& platform) {
  if (programPath != nullptr && *programPath != '\0') {
    const std::string path = programPath;
    programName = path.substr(path.find_last_of("/\\") + 1);
  }
  askedPlatforms = platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  // libwayland finds a display by its name in XDG_RUNTIME_DIR, and says so on standard error
  // in its own words where that holds no absolute path; a display named by its path needs none.
  const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
  if (OnlyWayland() && !wayland.startsWith(QLatin1Char('/')) &&
      !qEnvironmentVariable("XDG_RUNTIME_DIR").startsWith(QLatin1Char('/'))) {
    //: %1 is the name of a Wayland display, such as wayland-0.
    const std::string reason = Translated(
        platform::Translatable(
            "error messages", "the Wayland display %1 cannot be found: XDG_RUNTIME_DIR is not set"),
        Shown(Abridged(wayland)));
    EndWith(Translated(
        platform::Translatable("error messages", "no display to open the window on: %1"), reason));
  }
  qtHandler = qInstallMessageHandler(Handle);
  starting = true;
  rulesFilter = QLoggingCategory::installFilter(KeepWarnings);
  // Rules set here give way to QT_LOGGING_RULES and QT_LOGGING_CONF (QLoggingCategory's order).
  // Besides debug and info, three kinds of warning that no user can act on stay off: the
  // accessibility bridge's on calls it does not implement (at-spi2-core 2.56 asks Qt 6.11 for
  // GetApplicationBusAddress), the GNOME theme's when no desktop portal answers it, and Qt's
  // D-Bus connection's when a service it watched is gone (the accessibility bus, as a session
  // ends with its display).
  QLoggingCategory::setFilterRules(
      QStringLiteral("*.debug=false\n*.info=false\n"
                     "qt.accessibility.atspi.warning=false\n"
                     "qt.qpa.theme.gnome.warning=false\n"
                     "qt.dbus.integration.warning=false"));
}

void AnswerWithoutWarnings(const std::function<void()>& answer) {
  answering = true;
  const auto after = qScopeGuard([] { answering = false; });
  answer();
}

void QtStarted() {
  std::vector<HeldMessage> messages;
  {
    const std::lock_guard<std::mutex> guard(lock);
    starting = false;
    messages = std::exchange(held, {});
  }
  // A platform that started without a screen (linuxfb without its framebuffer) has nowhere to
  // show a window: Qt would abort at the first one.
  if (QGuiApplication::screens().isEmpty()) {
    EndForNoDisplay(messages, QString::fromStdString(Translated(platform::Translatable(
                                  "error messages", "the platform has no screen"))));
  }
  // vkkhrdisplay draws Vulkan surfaces alone, and a window of widgets is none.
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("vkkhrdisplay")) EndForNoWindow(platform);
  for (const HeldMessage& message : messages) {
    if (!message.shown) continue;
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    Write(message.type, context, message.text);
  }
}

void EndForLostDisplay(const char* system) {
  EndWith(Translated(
      platform::Translatable("error messages", "lost the display: the %1 connection broke"),
      system));
}

void EndForNoWindow(const QString& platform) {
  EndWith(Translated(
      platform::Translatable("error messages",
                             "no display to open the window on: the %1 platform shows no window"),
      Shown(platform)));
}

}  // namespace platform::detail
