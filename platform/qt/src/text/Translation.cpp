#include "text/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <optional>

#include "platform/Translation.h"

namespace platform {
namespace detail {
namespace {

// The desktop's languages, first choice first. On Windows and macOS the user's UI languages.
// Elsewhere gettext's rule, which desktop programs there follow: LANGUAGE lists them unless the
// messages locale (LC_ALL, LC_MESSAGES, LANG) is C or POSIX, or none of them is set, which is
// the C locale too: that keeps a program English.
QStringList DesktopLanguages() {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
  return QLocale::system().uiLanguages();
#else
  QByteArray messages;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    messages = qgetenv(name);
    if (!messages.isEmpty()) break;
  }
  if (messages.isEmpty() || messages == "C" || messages == "POSIX") return {};
  const QString languages = qEnvironmentVariable("LANGUAGE");
  return languages.isEmpty() ? QStringList{QString::fromLocal8Bit(messages)}
                             : languages.split(u':', Qt::SkipEmptyParts);
#endif
}

// The languages the program is translated into, as built into it: ":/i18n/voltage-drop_de.qm".
QList<QLocale> TranslatedLanguages() {
  QList<QLocale> languages;
  const QString prefix = QStringLiteral("voltage-drop_");
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({prefix + "*.qm"})) {
    languages << QLocale(file.mid(prefix.size()).chopped(3));
  }
  return languages;
}

// Of `translated`, the one for `wanted`: the same language and country, else the same
// language (Portugal's Portuguese reads the Brazilian translation, Austria's German the German).
std::optional<QLocale> TranslationFor(const QLocale& wanted, const QList<QLocale>& translated) {
  std::optional<QLocale> sameLanguage;
  for (const QLocale& language : translated) {
    if (language.language() != wanted.language()) continue;
    if (language.territory() == wanted.territory()) return language;
    if (!sameLanguage) sameLanguage = language;
  }
  return sameLanguage;
}

// The program's translation for the user's language, loaded at first use, and Qt's own, loaded
// once there is an application to install it in.
struct Translations {
  QTranslator program;
  QTranslator qt;
  // The language translated into, if any.
  std::optional<QLocale> translated;
  // How the window writes numbers: with the desktop locale's decimal comma, where the interface
  // is translated and the locale writes one, and then with the language's groups of digits.
  NumberStyle numbers;

  Translations() {
    // The first of the desktop's languages that is English or has a translation; a name that
    // is neither (unknown, or a language not translated) is passed over, as gettext does.
    const QList<QLocale> available = TranslatedLanguages();
    for (const QString& name : DesktopLanguages()) {
      const QLocale language(name);
      if (language.language() == QLocale::English) return;
      const std::optional<QLocale> translation = TranslationFor(language, available);
      if (!translation || !program.load(*translation, QStringLiteral("voltage-drop"),
                                        QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        continue;
      }
      translated = translation;
      if (QLocale::system().decimalPoint() != QLatin1String(",")) return;
      numbers.decimal = ',';
      // Groups of digits set off by points too, where the language asked for writes them so;
      // spaces set them off in every language.
      if (language.groupSeparator() == QLatin1String(".")) numbers.group = '.';
      return;
    }
  }
};

Translations& Loaded() {
  static Translations translations;
  return translations;
}

}  // namespace

QString Translated(const Message& message) {
  if (*message.context == '\0') return QString::fromUtf8(message.english);
  const QString translation = Loaded().program.translate(message.context, message.english);
  return translation.isEmpty() ? QString::fromUtf8(message.english) : translation;
}

void InstallTranslations() {
  Translations& translations = Loaded();
  if (!translations.translated) return;
  QCoreApplication::installTranslator(&translations.program);
  // Qt's translations stand where Qt keeps them, or inside a program that carries its own (the
  // Windows program, whose Qt is built into it).
  for (const QString& folder :
       {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/i18n")}) {
    if (!translations.qt.isEmpty() ||
        translations.qt.load(*translations.translated, QStringLiteral("qtbase"),
                             QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(&translations.qt);
      return;
    }
  }
}

std::unique_ptr<QCoreApplication> ApplicationForQtTexts() {
  if (QCoreApplication::instance() != nullptr || !Loaded().translated) return nullptr;
  static int argc = 1;
  static char name[] = "voltage-drop";
  static char* argv[] = {name, nullptr};
  auto application = std::make_unique<QCoreApplication>(argc, argv);
  InstallTranslations();
  return application;
}

}  // namespace detail

std::string Translated(const Message& message) { return detail::Translated(message).toStdString(); }

NumberStyle WindowNumbers() { return detail::Loaded().numbers; }

}  // namespace platform
