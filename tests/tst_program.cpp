// The built program started from outside, with no display in its environment: its command
// line (the arguments against the exit status and what reaches standard output and standard
// error, and a printed result against the window's for the same inputs), and every way of
// finding no display, which ends in one line and status 1.

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "RecordingWindow.h"
#include "TestMain.h"
#include "platform/CommandLine.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace {

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

// This environment without any display, with `settings` ("NAME=value").
QProcessEnvironment WithoutDisplay(const QStringList& settings) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                           "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP"}) {
    environment.remove(name);
  }
  for (const QString& setting : settings) {
    environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
  }
  return environment;
}

// Runs the program without any display, with `settings`.
Outcome RunProgram(const QStringList& arguments, const QStringList& settings = {}) {
  QProcess process;
  process.setProcessEnvironment(WithoutDisplay(settings));
  process.start(QStringLiteral(VD_PROGRAM), arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
  // Windows writes text with CRLF line ends.
  return {process.exitCode(),
          QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n"),
          QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n")};
}

const QString kTryHelp = "\nTry 'voltage-drop --help' for more information\\.\n$";

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void options_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // patterns
    QTest::addColumn<QString>("err");
    const QString help =
        "^Usage: voltage-drop \\[options\\]\n\nComputes the voltage drop"
        "[^\n]*\n(.|\n)*-platform(.|\n)*--material <name>(.|\n)*--area <mm2>";
    const QString version = "^voltage-drop " + QRegularExpression::escape(VD_VERSION) + "\n$";
    QTest::newRow("--help") << QStringList{"--help"} << 0 << help << "^$";
    QTest::newRow("-h") << QStringList{"-h"} << 0 << help << "^$";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << version << "^$";
    QTest::newRow("-v, after Qt's own options")
        << QStringList{"-platform", "offscreen", "-reverse", "-style=fusion", "-v"} << 0 << version
        << "^$";
    QTest::newRow("an unknown option")
        << QStringList{"--bogus-option"} << 2 << "^$"
        << "^voltage-drop: unknown option '--bogus-option'" + kTryHelp;
    QTest::newRow("a stray argument")
        << QStringList{"/etc/hostname"} << 2 << "^$"
        << "^voltage-drop: unexpected argument '/etc/hostname'" + kTryHelp;
    QTest::newRow("an option without its value")
        << QStringList{"--material", "copper", "--current"} << 2 << "^$"
        << "^voltage-drop: missing value after '--current'" + kTryHelp;
    QTest::newRow("a missing input")
        << QStringList{"--material", "copper", "--current", "1", "--diameter", "1"} << 2 << "^$"
        << "^voltage-drop: missing --length" + kTryHelp;
    QTest::newRow("neither diameter nor area")
        << QStringList{"--material", "copper", "--current", "1", "--length", "1"} << 2 << "^$"
        << "^voltage-drop: missing --diameter or --area" + kTryHelp;
    QTest::newRow("both diameter and area")
        << QStringList{"--material", "copper",     "--current", "1",      "--length",
                       "1",          "--diameter", "1",         "--area", "1"}
        << 2 << "^$"
        << "^voltage-drop: give --diameter or --area, not both" + kTryHelp;
    QTest::newRow("an unknown material")
        << QStringList{"--material", "kupfer", "--current", "1", "--length", "1", "--diameter", "1"}
        << 2 << "^$"
        << "^voltage-drop: unknown material 'kupfer' "
           "\\(copper, aluminium, gold, silver, iron or lead\\)" +
               kTryHelp;
    QTest::newRow("an option where a value belongs")
        << QStringList{"--current", "--area", "1"} << 2 << "^$"
        << "^voltage-drop: missing value after '--current'" + kTryHelp;
    QTest::newRow("a Qt option where a value belongs")
        << QStringList{"--length", "-platform", "--area", "1"} << 2 << "^$"
        << "^voltage-drop: missing value after '--length'" + kTryHelp;
    QTest::newRow("a value after '=' that looks like an option")
        << QStringList{"--material", "copper", "--current=-1", "--length", "1", "--diameter", "1"}
        << 0 << "^Voltage drop = -0.022V\n$"
        << "^$";
    // Qt's own options, as Qt documents them, with the X11 plugin's and QGuiApplication's
    // undocumented ones that Qt 6.4 takes: accepted, and left to Qt.
    for (const char* option :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
          "qmljsdebugger", "dialogs", "fontengine", "name", "title", "icon", "visual"}) {
      QTest::addRow("Qt's -%s", option)
          << QStringList{"-" + QString(option), "x", "-v"} << 0 << version << "^$";
    }
    for (const char* flag : {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability",
                             "qdevel", "qdebug"}) {
      QTest::addRow("Qt's -%s", flag)
          << QStringList{"-" + QString(flag), "-v"} << 0 << version << "^$";
    }
    QTest::newRow("two dashes where a value belongs")
        << QStringList{"--material", "copper", "--current", "--bogus"} << 2 << "^$"
        << "^voltage-drop: missing value after '--current'" + kTryHelp;
    QTest::newRow("three dashes: the option named as given, a right one after it")
        << QStringList{"---current", "1", "--current", "2"} << 2 << "^$"
        << "^voltage-drop: unknown option '---current'" + kTryHelp;
    QTest::newRow("an unknown option after a value written like it")
        << QStringList{"--current", "-bogus", "--bogus"} << 2 << "^$"
        << "^voltage-drop: unknown option '--bogus'" + kTryHelp;
    // Echoed values are quoted so that they show as they are, on one line.
    const QStringList lead = {"--current", "1", "--length", "1", "--diameter", "1", "--material"};
    QTest::newRow("a newline in a value")
        << (QStringList(lead) << "lead\n") << 2 << "^$"
        << "^voltage-drop: unknown material \\$'lead\\\\n' \\([^\n]*\\)" + kTryHelp;
    QTest::newRow("terminal controls in a value")
        << (QStringList(lead) << "\x1b]0;x\a") << 2 << "^$"
        << "^voltage-drop: unknown material \\$'\\\\033\\]0;x\\\\a' \\([^\n]*\\)" + kTryHelp;
    QTest::newRow("a quote in a value")
        << (QStringList(lead) << "it's") << 2 << "^$"
        << "^voltage-drop: unknown material \\$'it\\\\'s' \\([^\n]*\\)" + kTryHelp;
    QTest::newRow("a letter outside ASCII")
        << (QStringList(lead) << QString::fromUtf8("M\u00fcll")) << 2 << "^$"
        << QString::fromUtf8("^voltage-drop: unknown material 'M\u00fcll' \\([^\n]*\\)") + kTryHelp;
    QTest::newRow("a line separator and DEL in a value")
        << (QStringList(lead) << QString::fromUtf8("lead\u2028\x7f")) << 2 << "^$"
        << "^voltage-drop: unknown material \\$'lead\\\\342\\\\200\\\\250\\\\177' \\([^\n]*\\)" +
               kTryHelp;
    // A value is read whole, alike in every environment, or refused. A byte order mark is a
    // character like any other, as in a field; one that leads the value, as a Windows editor
    // saves a file, a field never holds.
    const QStringList inputs{"--material", "copper", "--current", "1", "--diameter", "1"};
    for (const QString& value :
         QStringList{"abc", "60x", "1e", "", "nan", QStringLiteral("\uFEFF1\uFEFF2")}) {
      const QString quoted =
          value.contains(QChar(0xFEFF)) ? "\\$'1\\\\357\\\\273\\\\2772'" : "'" + value + "'";
      QTest::addRow("--length %s is no number", qPrintable(quoted))
          << inputs + QStringList{"--length", value} << 2 << "^$"
          << "^voltage-drop: --length " + quoted + " is not a number" + kTryHelp;
    }
    const QStringList de{"LC_ALL=de_DE.UTF-8", "LANGUAGE="};
    for (const QStringList& settings : {QStringList{"LC_ALL=C"}, QStringList{"LC_ALL=POSIX"},
                                        QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=de"}}) {
      QTest::addRow("%s: 1.500 is 1.5", qPrintable(settings.join(' ')))
          << settings + inputs + QStringList{"--length", "1.500"} << 0
          << "^Voltage drop = 0.033V\n$"
          << "^$";
    }
    QTest::newRow("German: a result fed back, which German reads otherwise, is refused")
        << de + inputs + QStringList{"--length", "22.282"} << 2 << "^$"
        << "^voltage-drop: --length '22\\.282' wird hier als 22\\.282 gelesen, in Ihrer Sprache "
           "aber als "
           "22282: Schreiben Sie 22\\.282 oder 22282, je nachdem, was Sie meinen\n";
    QTest::newRow("any language: groups of digits are refused")
        << QStringList{"LC_ALL=C"} + inputs + QStringList{"--length", "1\u00A0000,5"} << 2 << "^$"
        << "^voltage-drop: --length '1\u00A0000,5' has thousands separators, which are not read "
           "here: write 1000\\.5" +
               kTryHelp;
    QTest::newRow("a byte order mark in an option's name")
        << QStringList{QString::fromUtf8("--mat\uFEFFerial"), "copper"} << 2 << "^$"
        << "^voltage-drop: unknown option \\$'--mat\\\\357\\\\273\\\\277erial'" + kTryHelp;
    // A field keeps the first 32,767 characters of a paste, and so does each input: cut there,
    // a huge diameter or area and a vanishing current or length, each a drop of 0 V; read
    // whole, 1 and 10.
    const QString huge = "1" + QString(32766, '0') + "e-32766";
    const QString tiny = "0." + QString(32764, '0') + "1e32766";
    for (const auto& [input, value] : {std::pair{"--current", tiny},
                                       {"--length", tiny},
                                       {"--diameter", huge},
                                       {"--area", huge}}) {
      // The long one last: Windows cuts a whole command line at 32,767 characters.
      QStringList arguments{"--material", "copper"};
      for (const char* other : {"--current", "--length", "--diameter"}) {
        if (QString(other) != input &&
            !(QString(other) == "--diameter" && QString(input) == "--area")) {
          arguments << other << "1";
        }
      }
      arguments << input << value;
      QTest::addRow("%s longer than a field holds", input)
          << arguments << 0 << "^Voltage drop = 0V\n$"
          << "^$";
    }
    // Any one input asks for a calculation instead of the window.
    for (const char* input : {"--material", "--current", "--length", "--diameter", "--area"}) {
      const QString missing = QString(input) == "--material" ? "current" : "material";
      QTest::addRow("%s alone", input) << QStringList{input, "copper"} << 2 << "^$"
                                       << "^voltage-drop: missing --" + missing + kTryHelp;
    }
    // In the desktop's language where there is a translation, English where English comes first
    // or there is none; the result line English everywhere, for scripts. Leading "NAME=value"
    // arguments are the environment, as env(1) takes them.
    QTest::newRow("German help") << de + QStringList{"--help"} << 0
                                 << "^Aufruf: voltage-drop \\[Optionen\\]\n\nBerechnet den "
                                    "Spannungsfall(.|\n)*--material <Name>(.|\n)*iron oder lead"
                                 << "^$";
    // One phrasing for one error, whether Qt's parser or the program's own check finds it.
    QTest::newRow("German errors, Qt's in the program's words")
        << de + QStringList{"--current"} << 2 << "^$"
        << "^voltage-drop: fehlender Wert nach '--current'\n„voltage-drop --help“ zeigt mehr "
           "Informationen\\.\n$";
    QTest::newRow("German errors, an unexpected value in the program's words")
        << de + QStringList{"--version=1"} << 2 << "^$"
        << "^voltage-drop: unerwarteter Wert nach '--version'\n„voltage-drop --help“ zeigt mehr "
           "Informationen\\.\n$";
    QTest::newRow("German, the result line")
        << de + QStringList{"--material", "copper", "--current",  "0,350",
                            "--length",   "60",     "--diameter", "0,51054"}
        << 0 << "^Voltage drop = 1\\.795V\n$"
        << "^$";
    // Settings that would hang Qt or leave it with no window are dropped, each said.
    QTest::newRow("settings Qt cannot use")
        << QStringList{"QT_SCALE_FACTOR=nan", "QT_LOGGING_CONF=/dev/zero", "-stylesheet",
                       "/dev/zero"}
        << 1 << "^$"
        << "^voltage-drop: QT_SCALE_FACTOR 'nan' is not usable and was ignored\n"
           "voltage-drop: QT_LOGGING_CONF '/dev/zero' is not usable and was ignored\n"
           "voltage-drop: -stylesheet '/dev/zero' is not usable and was ignored\n"
           "voltage-drop: no display to open the window on: ";
    QTest::newRow("German, no display")
        << de << 1 << "^$"
        << "voltage-drop: keine Anzeige, um das Fenster zu \u00F6ffnen: .*weder DISPLAY noch "
           "WAYLAND_DISPLAY ist gesetzt\n$";
    QTest::newRow("French through LANGUAGE")
        << QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=fr", "--bogus"} << 2 << "^$"
        << "^voltage-drop: option inconnue '--bogus'\nEssayez «\u202Fvoltage-drop --help\u202F»";
    QTest::newRow("LANGUAGE=xx:ja:de_AT: German, the first translated, an unknown name passed over")
        << QStringList{"LC_ALL=C.UTF-8", "LANGUAGE=xx:ja:de_AT", "--bogus"} << 2 << "^$"
        << "^voltage-drop: unbekannte Option";
    QTest::newRow("LANG=pt_PT: the Brazilian translation")
        << QStringList{"LC_ALL=", "LANGUAGE=", "LANG=pt_PT.UTF-8", "--bogus"} << 2 << "^$"
        << "^voltage-drop: op\u00E7\u00E3o desconhecida";
    // gettext's rule: the C locale keeps a program English whatever LANGUAGE says.
    for (const QString settings :
         {"LC_ALL=de_DE.UTF-8 LANGUAGE=en:de", "LC_ALL=de_DE.UTF-8 LANGUAGE=ja",
          "LC_ALL=C LANGUAGE=de", "LC_ALL=POSIX LANGUAGE=de",
          "LC_ALL= LC_MESSAGES= LANG= LANGUAGE=de"}) {
      QTest::addRow("%s: English", qPrintable(settings))
          << settings.split(' ') + QStringList{"--bogus"} << 2 << "^$"
          << "^voltage-drop: unknown option '--bogus'" + kTryHelp;
    }
  }

  void options() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QStringList settings;
    while (!arguments.isEmpty() && !arguments[0].startsWith('-') && arguments[0].contains('=')) {
      settings << arguments.takeFirst();
    }
#if defined(_WIN32)
    if (!settings.isEmpty()) QSKIP("Windows gives the user's UI language, not the environment's");
    // Windows quotes an argument in double quotes, with the same escapes and no $; a single
    // quote needs none there.
    static const QRegularExpression quoted(
        "(option|argument|material|after|length) (\\\\\\$)?'(.*?)'( |\n)");
    err.replace(quoted, "\\1 \"\\3\"\\4").replace("\\\\'", "'");
#endif
    const Outcome outcome = RunProgram(arguments, settings);
    QCOMPARE(outcome.status, status);
    QVERIFY2(QRegularExpression(out).match(outcome.out).hasMatch(), qPrintable(outcome.out));
    QVERIFY2(QRegularExpression(err).match(outcome.err).hasMatch(), qPrintable(outcome.err));
  }

  // A full disk (/dev/full) fails every write: to standard output it is said on standard error,
  // status 1; a usage error (status 2), written to a full standard error, keeps its status.
  void writeErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("a result") << QStringList{"--material", "copper", "--current",  "1",
                                             "--length",   "1",      "--diameter", "1"}
                              << 1;
    QTest::newRow("--help") << QStringList{"--help"} << 1;
    QTest::newRow("--version") << QStringList{"--version"} << 1;
    QTest::newRow("a usage error") << QStringList{"--bogus"} << 2;
  }

  void writeErrors() {
#if defined(_WIN32)
    QSKIP("Windows has no /dev/full");
#else
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const bool toErrors = status == 2;
    QProcess process;
    toErrors ? process.setStandardErrorFile("/dev/full")
             : process.setStandardOutputFile("/dev/full");
    process.start(QStringLiteral(VD_PROGRAM), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), status);
    if (!toErrors) {
      QCOMPARE(process.readAllStandardError(),
               "voltage-drop: write error: " + QByteArray(std::strerror(ENOSPC)) + "\n");
    }
#endif
  }

  // A console shows the characters written to it whatever its code page: 850 here, as a German
  // cmd window has it, which has no „ and would show UTF-8's "ö" as "Ã¶".
  void aConsoleShowsTheCharacters() {
#if !defined(_WIN32)
    QSKIP("Only a Windows console has a code page");
#else
    FreeConsole();
    QVERIFY(AllocConsole() && SetConsoleOutputCP(850));
    ShowWindow(GetConsoleWindow(), SW_HIDE);  // out of the way of the windows tested after it
    const QString text = QString::fromUtf8("Ohne Optionen öffnet es das „Rechnerfenster“");
    // What could not be written, if anything, and then what the console shows.
    const std::string problem =
        platform::ShowMessage("", text.toStdString(), platform::MessageKind::Output);
    wchar_t shown[80];
    DWORD read = 0;
    ReadConsoleOutputCharacterW(GetStdHandle(STD_OUTPUT_HANDLE), shown, 80, COORD{0, 0}, &read);
    FreeConsole();
    QCOMPARE(QString::fromStdString(problem) + QString::fromWCharArray(shown, int(read)).trimmed(),
             text);
#endif
  }

  void noDisplay_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("reason");  // a pattern: in the program's words where it knows them
    QTest::newRow("no display at all, Qt's debug messages switched on")
        << QStringList{} << QStringList{"QT_LOGGING_RULES=*.debug=true"}
        << "could not connect to an X display; neither DISPLAY nor WAYLAND_DISPLAY is set";
    QTest::newRow("an X display that does not answer")
        << QStringList{} << QStringList{"DISPLAY=:987"}
        << "could not connect to the X display :987";
    QTest::newRow("X11 chosen, its display does not answer")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=:99"}
        << "could not connect to the X display :99";
    QTest::newRow("X11 chosen on the command line")
        << QStringList{"-platform", "xcb"} << QStringList{"DISPLAY=:98"}
        << "could not connect to the X display :98";
    QTest::newRow("an X display named on the command line")
        << QStringList{"-display", ":97"} << QStringList{"DISPLAY=:96"}
        << "could not connect to the X display :97";
    QTest::newRow("Qt's warnings switched off")
        << QStringList{} << QStringList{"QT_LOGGING_RULES=*=false", "DISPLAY=:95"}
        << "could not connect to the X display :95";
    QTest::newRow("terminal controls in the display's name")
        << QStringList{} << QStringList{"DISPLAY=:94\x1b]0;x\a"}
        << "could not connect to the X display \\$':94\\\\033\\]0;x\\\\a'";
    QTest::newRow("a framebuffer that is not there")
        << QStringList{"-platform", "linuxfb:fb=/dev/nonexistent"} << QStringList{}
        << "Failed to open framebuffer /dev/nonexistent .*";
    QTest::newRow("a platform for Vulkan surfaces alone")
        << QStringList{"-platform", "vkkhrdisplay"} << QStringList{}
        << "the vkkhrdisplay platform shows no window";
    // Where qt6-wayland is not installed, Qt finds no plugin for Wayland.
    const QString noWayland = "(the Wayland display %1|Qt has no platform plugin wayland)";
    QTest::newRow("a Wayland session without its socket")
        << QStringList{} << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=wayland-9"}
        << noWayland.arg("wayland-9 does not exist") + "; could not connect to an X display";
    QTest::newRow("the stale socket of a compositor gone")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=stale"}
        << noWayland.arg("stale does not answer");
    QTest::newRow("Wayland chosen, no compositor")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland"}
        << noWayland.arg("wayland-0 does not exist") +
               "; neither DISPLAY nor WAYLAND_DISPLAY is set";
    QTest::newRow("Wayland chosen, XDG_RUNTIME_DIR not set: no line of libwayland's")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR="}
        << "the Wayland display wayland-0 cannot be found: XDG_RUNTIME_DIR is not set";
    QTest::newRow("a platform plugin that is not installed, its name cut short")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=nosuchplatform" + QString(120000, 'x')}
        << "Qt has no platform plugin nosuchplatformx{46}…";
    QTest::newRow("a display named as xcb's option, which Qt ignores")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb:display=:93"}
        << "could not connect to an X display; xcb takes no options such as display=:93; "
           "-display names the X display; neither DISPLAY nor WAYLAND_DISPLAY is set";
    QTest::newRow("an EGL platform without EGL, its display's address not shown")
        << QStringList{} << QStringList{"QT_QPA_PLATFORM=minimalegl"}
        << "(Could not initialize egl display|Qt has no platform plugin minimalegl)";
  }

  void noDisplay() {
#if defined(_WIN32)
    QSKIP("Windows always has its one display");
#else
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, settings);
    QFETCH(QString, reason);
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    // A socket that was bound and never listened on refuses, as a killed compositor's does.
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, qPrintable(runtime.path() + "/stale"));
    QCOMPARE(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    if (!settings.contains("XDG_RUNTIME_DIR=")) settings << "XDG_RUNTIME_DIR=" + runtime.path();
    const Outcome outcome = RunProgram(arguments, settings);
    ::close(stale);
    QCOMPARE(outcome.status, 1);
    const QString line = "^voltage-drop: no display to open the window on: " + reason + "\n$";
    QVERIFY2(QRegularExpression(line).match(outcome.err).hasMatch(), qPrintable(outcome.err));
#endif
  }

  // Qt's warnings while it looks for a platform that starts are written once one has.
  void warningsOfAStartThatSucceedsAreWritten() {
#if defined(_WIN32)
    QSKIP("Windows always has its one platform");
#else
    QProcess process;
    process.setProcessEnvironment(WithoutDisplay({"QT_QPA_PLATFORM=nosuchplatform;offscreen"}));
    process.setReadChannel(QProcess::StandardError);
    process.start(QStringLiteral(VD_PROGRAM));
    QTRY_VERIFY_WITH_TIMEOUT(process.canReadLine(), 30000);
    process.kill();
    process.waitForFinished();
    QCOMPARE(process.readLine(),
             "qt.qpa.plugin: Could not find the Qt platform plugin \"nosuchplatform\" in \"\"\n");
#endif
  }

  // The result printed for the inputs typed into the window is the one the window shows.
  void sameAsTheWindow_data() {
    QTest::addColumn<int>("material");  // the popup's row
    QTest::addColumn<QString>("name");  // as given on the command line
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("the window's first inputs") << 0 << "copper"
                                               << "0.350"
                                               << "60"
                                               << "diameter"
                                               << "0.51054"
                                               << "Voltage drop = 1.795V";
    QTest::newRow("from the cross-section, any letter case") << 0 << "COPPER"
                                                             << "0.350"
                                                             << "60"
                                                             << "areafld"
                                                             << "0.20471"
                                                             << "Voltage drop = 1.795V";
    QTest::newRow("decimal commas") << 1 << "Aluminium"
                                    << "2,5"
                                    << "60"
                                    << "diameter"
                                    << "1,5"
                                    << "Voltage drop = 2.377V";
    QTest::newRow("lead from a cross-section with a decimal comma") << 5 << "lead"
                                                                    << "1,5"
                                                                    << "100"
                                                                    << "areafld"
                                                                    << "0,823"
                                                                    << "Voltage drop = 40.279V";
    QTest::newRow("silver, the longest result") << 3 << "Silver"
                                                << "-1"
                                                << "1"
                                                << "diameter"
                                                << "4.5e-8"
                                                << "Voltage drop = -10060164304080.299V";
    QTest::newRow("iron, no cross-section") << 4 << "iron"
                                            << "2"
                                            << "3"
                                            << "areafld"
                                            << "0"
                                            << "Voltage drop = \u221EV";
  }

  void sameAsTheWindow() {
    QFETCH(int, material);
    QFETCH(QString, name);
    QFETCH(QString, current);
    QFETCH(QString, length);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, line);
    RecordingWindow& window = RecordingWindow::OpenNew();
    QVERIFY(QTest::qWaitForWindowActive(platform::WidgetOf(window)));
    window.PopupMenu1().SetListIndex(material);
    TypeInto(window, "current", current);
    TypeInto(window, "lenght", length);
    TypeInto(window, qPrintable(field), value);
    const QString shown = TextOf(window.result());
    platform::DestroyAllWindows();
    QCOMPARE(shown, line);

    const Outcome outcome =
        RunProgram({"--material", name, "--current", current, "--length", length,
                    field == "areafld" ? "--area" : "--diameter", value});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, line + "\n");
    QCOMPARE(outcome.err, QString());
  }
};

PLATFORM_TEST_MAIN(ProgramTest)
#include "tst_program.moc"
