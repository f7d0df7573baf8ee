#include "QtMessages.h"

#include <QLoggingCategory>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace platform::detail {
namespace {

std::string programName = "voltage-drop";
QtMessageHandler qtHandler = nullptr;

// Qt's xcb plugin says "The X11 connection broke (error N). Did the X11 server die?" and its
// Wayland plugin "The Wayland connection broke. Did the Wayland compositor die?"; Qt 6.4 then
// exits with 1, Qt 6.8's Wayland plugin with 255, and Qt 6.11 first tears objects down with a
// warning for each.
void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg && message.contains(QLatin1String("connection broke"))) {
    EndForLostDisplay(message.contains(QLatin1String("Wayland")) ? "Wayland" : "X11");
  }
  if (qtHandler != nullptr) return qtHandler(type, context, message);
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void InstallQtMessages(const char* programPath) {
  if (programPath != nullptr && *programPath != '\0') {
    const std::string path = programPath;
    programName = path.substr(path.find_last_of("/\\") + 1);
  }
  // Rules set here give way to QT_LOGGING_RULES and QT_LOGGING_CONF (QLoggingCategory's order).
  QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
  qtHandler = qInstallMessageHandler(Handle);
}

void EndForLostDisplay(const char* system) {
  std::fprintf(stderr, "%s: lost the display: the %s connection broke\n", programName.c_str(),
               system);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace platform::detail
