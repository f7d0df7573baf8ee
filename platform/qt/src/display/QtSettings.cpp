#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "display/Display.h"
#include "platform/ArgumentText.h"
#include "platform/Translation.h"
#include "text/ArgumentText.h"

namespace platform::detail {
namespace {

// What Qt reads whole and at once when it starts: a style sheet or logging rules larger than
// this are no one's settings.
constexpr qint64 kLargestSettingsFile = 1 << 20;

// Whether `path` names a file Qt can read at start-up without waiting or filling the memory: a
// regular file, not a FIFO or a device such as /dev/zero.
bool ReadableAtOnce(const QString& path) {
  const QFileInfo file(path);
  return file.isFile() && file.isReadable() && file.size() <= kLargestSettingsFile;
}

void SayIgnored(const char* program, const std::string& setting, const QByteArray& value) {
  //: A warning as the program starts; %1 is an environment variable or a Qt option, %2 its
  //: value. The program goes on without it.
  std::fprintf(
      stderr, "%s: %s\n", program,
      Translated(platform::Translatable("error messages", "%1 %2 is not usable and was ignored"),
                 {setting, Quoted(Encoded(Abridged(Decoded(value.toStdString()))))})
          .c_str());
}

}  // namespace

QString AskedPlatform(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* name = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
    if (std::strncmp(name, "-platform=", 10) == 0) return QString::fromLocal8Bit(name + 10);
    if (std::strcmp(name, "-platform") == 0 && i + 1 < argc) {
      return QString::fromLocal8Bit(argv[i + 1]);
    }
  }
  return qEnvironmentVariable("QT_QPA_PLATFORM");
}

void GuardQtSettings(int& argc, char** argv) {
  const char* program = argc > 0 && argv[0][0] != '\0' ? argv[0] : "voltage-drop";
  for (const char* at = program; *at != '\0'; ++at) {
    if (*at == '/' || *at == '\\') program = at + 1;
  }
  // A scale of zero, below it or no number leaves Qt without a window to show, for good.
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    bool number = false;
    const double factor = scale.toDouble(&number);
    if (!number || !std::isfinite(factor) || factor <= 0) {
      SayIgnored(program, "QT_SCALE_FACTOR", scale);
      qunsetenv("QT_SCALE_FACTOR");
    }
  }
  if (qEnvironmentVariableIsSet("QT_LOGGING_CONF") &&
      !ReadableAtOnce(qEnvironmentVariable("QT_LOGGING_CONF"))) {
    SayIgnored(program, "QT_LOGGING_CONF", qgetenv("QT_LOGGING_CONF"));
    qunsetenv("QT_LOGGING_CONF");
  }
  // -stylesheet FILE and -stylesheet=FILE, with one dash or two, as Qt takes them.
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const char* name = argv[i][0] == '-' && argv[i][1] == '-' ? argv[i] + 1 : argv[i];
    const bool joined = std::strncmp(name, "-stylesheet=", 12) == 0;
    const bool apart = std::strcmp(name, "-stylesheet") == 0 && i + 1 < argc;
    const char* path = joined ? name + 12 : apart ? argv[i + 1] : nullptr;
    if (path != nullptr && !ReadableAtOnce(QString::fromLocal8Bit(path))) {
      SayIgnored(program, "-stylesheet", path);
      i += apart ? 1 : 0;
      continue;
    }
    argv[kept++] = argv[i];
  }
  argv[kept] = nullptr;
  argc = kept;
}

}  // namespace platform::detail
