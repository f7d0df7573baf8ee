#include "platform/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/ArgumentText.h"
#include "platform/Design.h"
#include "platform/Translation.h"
#include "text/ArgumentText.h"
#include "text/Translation.h"

#if defined(_WIN32)
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace platform {
namespace {

// Qt's own options, which QGuiApplication, QApplication and the platform plugins read when
// the runtime starts: those that take a value, and those that do not.
constexpr const char* kQtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    "session display geometry style stylesheet name title icon visual qmljsdebugger dialogs "
    "fontengine";
constexpr const char* kQtFlags = "reverse widgetcount nograb dograb sync testability qdevel qdebug";

//: After "voltage-drop: " on standard error; %1 is the option, quoted ('--current').
constexpr Message kMissingValue = platform::Translatable("command line", "missing value after %1");

QStringList Names(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list << QString::fromStdString(name);
  return list;
}

QString OptionName(std::string_view name) {
  return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

// The argument as typed that gave the option `name` ("-current" for "---current", or
// "--current=1"): the last one written so, since an earlier one may have been taken as an
// option's value. One dash gives a name only where the name has none of its own: "--current"
// is the option "current", never "-current".
QString Typed(const QStringList& arguments, const QString& name) {
  for (qsizetype i = arguments.size() - 1; i > 0; --i) {
    const QString option = arguments[i].section('=', 0, 0);
    if (option == "--" + name || (!name.startsWith('-') && option == "-" + name)) {
      return arguments[i];
    }
  }
  return name;
}

// The arguments as text. Windows keeps them in UTF-16 and gives `argv` in its code page, which
// cannot hold every character ("Müll" on a Greek system, any emoji): they are taken from the
// command line Windows keeps.
QStringList Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
  QStringList arguments;
#if defined(_WIN32)
  int count = 0;
  if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
  }
#endif
  for (int i = 0; i < argc; ++i) arguments << Decoded(std::string_view(argv[i]));
  return arguments;
}

}  // namespace

struct CommandLine::Parser {
  QCommandLineParser qt;
};

CommandLine::CommandLine(int argc, char** argv, const std::vector<CommandLineOption>& options)
    : parser_(std::make_unique<Parser>()) {
  QCommandLineParser& qt = parser_->qt;
  // Qt's options are written with one dash ("-platform xcb"), so every name is a long one.
  qt.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  for (const CommandLineOption& option : options) {
    qt.addOption(QCommandLineOption(Names(option.names), QString::fromStdString(option.description),
                                    QString::fromStdString(option.valueName)));
  }
  for (const QString& name : QString::fromLatin1(kQtOptionsWithValue).split(' ')) {
    QCommandLineOption option(name, QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    qt.addOption(option);
  }
  for (const QString& name : QString::fromLatin1(kQtFlags).split(' ')) {
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    qt.addOption(option);
  }
  const QStringList arguments = Arguments(argc, argv);
  if (!qt.parse(arguments)) {
    // Qt's errors, in English while no translation of Qt's is installed: those the program
    // knows get its own words, so that an error reads the same whichever check finds it.
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(
        QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QStringList unknown = qt.unknownOptionNames();
    const auto missingValue = missing.match(qt.errorText());
    const auto unexpectedValue = unexpected.match(qt.errorText());
    if (!unknown.isEmpty()) {
      error_ = Translated(platform::Translatable("command line", "unknown option %1"),
                          Quoted(Encoded(Typed(arguments, unknown.first()))));
    } else if (missingValue.hasMatch()) {
      error_ = Translated(kMissingValue, Quoted(Encoded(missingValue.captured(1))));
    } else if (unexpectedValue.hasMatch()) {
      error_ = Translated(platform::Translatable("command line", "unexpected value after %1"),
                          Quoted(Encoded(unexpectedValue.captured(1))));
    } else {
      // Qt's own wording, translated, as a clause of the program's; a translation keeps its
      // capitals, which may be a noun's.
      const auto translating = detail::ApplicationForQtTexts();
      qt.parse(arguments);
      QString text = qt.errorText();
      if (text.endsWith('.')) text.chop(1);
      if (translating == nullptr) text = text.left(1).toLower() + text.mid(1);
      error_ = Encoded(text);
    }
    return;
  }
  // "--current --area 1": the parser takes "--area" for the current, where a value was
  // forgotten. A value given apart that looks like an option (a dash, then a letter or another
  // dash) is taken as such; one given after '=' is a value whatever it holds.
  for (const CommandLineOption& option : options) {
    const QString name = QString::fromStdString(option.names.back());
    if (option.valueName.empty() || !qt.isSet(name)) continue;
    const QString value = qt.value(name);
    const bool optionLike =
        value.size() > 1 && value[0] == '-' && (value[1] == '-' || value[1].isLetter());
    if (optionLike && !Typed(arguments, name).contains('=')) {
      error_ = Translated(kMissingValue, Quoted("--" + option.names.back()));
      return;
    }
  }
  if (!qt.positionalArguments().isEmpty()) {
    error_ = Translated(platform::Translatable("command line", "unexpected argument %1"),
                        Quoted(Encoded(qt.positionalArguments().first())));
    return;
  }
}

CommandLine::~CommandLine() = default;

bool CommandLine::IsSet(std::string_view name) const { return parser_->qt.isSet(OptionName(name)); }

std::string CommandLine::Value(std::string_view name) const {
  return Encoded(parser_->qt.value(OptionName(name)));
}

std::string CommandLine::FieldValue(std::string_view name) const {
  QString value = parser_->qt.value(OptionName(name));
  // A paste never brings a leading byte order mark into a field: Qt's clipboard drops it.
  if (value.startsWith(QChar(0xFEFF))) value.remove(0, 1);
  return Encoded(value.left(kStandardMaxLength));
}

std::string CommandLine::Help(std::string_view program, std::string_view description) const {
  QCommandLineParser& qt = parser_->qt;
  qt.setApplicationDescription(
      QString::fromUtf8(description.data(), qsizetype(description.size())));
  // With no application object Qt cannot know the program's name.
  const auto translating = detail::ApplicationForQtTexts();
  QString text = qt.helpText();
  text.replace(QStringLiteral("<executable_name>"),
               QString::fromUtf8(program.data(), qsizetype(program.size())));
  // A blank line between the usage line and the description.
  text.insert(text.indexOf('\n'), '\n');
  return text.toStdString();
}

#if defined(_WIN32)
namespace {

// As QCommandLineParser decides: a message box unless there is a console or the output goes
// to handles the starting program gave.
bool UseMessageBox() {
  if (GetConsoleWindow() != nullptr) return false;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  return (startup.dwFlags & STARTF_USESTDHANDLES) == 0;
}

// The text of --help as a message box shows it, in a font whose letters differ in width: its
// lines broken for a terminal are joined again, for the box to break them where it is wide
// enough, and each option's names ("  -h, --help") are set off from its description by a tab.
QString Unwrapped(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split('\n')) {
    const QString words = line.trimmed();
    const bool option = line.startsWith(QLatin1String("  -"));
    const bool continued = !words.isEmpty() && !lines.isEmpty() && !lines.last().isEmpty() &&
                           !option && (line.startsWith(' ') || !lines.last().endsWith(':'));
    if (continued) {
      lines.last() += ' ' + words;
      continue;
    }
    const qsizetype gap = words.indexOf(QLatin1String("  "));
    lines << (option && gap > 0 ? words.left(gap) + '\t' + words.mid(gap).trimmed() : words);
  }
  return lines.join('\n').trimmed();
}

// Writes `text` to the console `handle` shows, as the characters they are, whatever the
// console's code page: bytes written there would be read in that code page (850 for a German
// cmd, "Ã¶ffnet" for UTF-8's "öffnet"). False where the handle is no console.
bool WrittenToConsole(HANDLE handle, const std::string& text) {
  DWORD mode = 0;
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
    return false;
  }
  const QString characters = QString::fromStdString(text);
  DWORD written = 0;
  return WriteConsoleW(handle, characters.utf16(), DWORD(characters.size()), &written, nullptr) &&
         written == DWORD(characters.size());
}

}  // namespace
#endif

std::string ShowMessage([[maybe_unused]] std::string_view title, const std::string& text,
                        MessageKind kind) {
#if defined(_WIN32)
  if (UseMessageBox()) {
    const QString message = kind == MessageKind::Output ? Unwrapped(QString::fromStdString(text))
                                                        : QString::fromStdString(text).trimmed();
    const UINT icon = kind == MessageKind::Output ? MB_ICONINFORMATION : MB_ICONERROR;
    const QString caption = QString::fromUtf8(title.data(), qsizetype(title.size()));
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(message.utf16()),
                reinterpret_cast<const wchar_t*>(caption.utf16()),
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | icon);
    return {};
  }
#endif
  std::FILE* stream = kind == MessageKind::Output ? stdout : stderr;
#if defined(_WIN32)
  // A file or a pipe takes the text in UTF-8.
  std::fflush(stream);
  if (WrittenToConsole(
          GetStdHandle(kind == MessageKind::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE), text)) {
    return {};
  }
#endif
  errno = 0;
  const bool written = std::fputs(text.c_str(), stream) >= 0 && std::fflush(stream) == 0;
  if (written && !std::ferror(stream)) return {};
  const int error = errno;
  std::clearerr(stream);
  return error != 0 ? std::strerror(error) : "the output could not be written";
}

}  // namespace platform
