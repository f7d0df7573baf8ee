#include "text/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <optional>

#include "platform/Translation.h"

namespace platform {
namespace detail {
namespace {

// The program's translation for the user's language, loaded at first use, and Qt's own, loaded
// once there is an application to install it in.
struct Translations {
  QTranslator program;
  QTranslator qt;
  // The language translated into, if any.
  std::optional<QLocale> translated;
  // Whether numbers are written with a decimal comma: the interface is translated and the
  // desktop's locale writes one.
  bool decimalComma = false;

  Translations() {
    // The first of the desktop's languages that is English or has a translation.
    for (const QString& name : QLocale::system().uiLanguages()) {
      const QLocale language(name);
      if (language.language() == QLocale::English || language.language() == QLocale::C) return;
      // The program's translations are built into it.
      if (!program.load(language, QStringLiteral("voltage-drop"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        continue;
      }
      translated = language;
      decimalComma = QLocale::system().decimalPoint() == QLatin1String(",");
      return;
    }
  }
};

Translations& Loaded() {
  static Translations translations;
  return translations;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

QString Translated(std::string_view english) {
  const QByteArray source(english.data(), qsizetype(english.size()));
  const QString translation = Loaded().program.translate("platform", source.constData());
  return translation.isEmpty() ? FromUtf8(english) : translation;
}

QString Displayed(std::string_view text) {
  return FromUtf8(LocalNumber(Translated(text).toStdString()));
}

void InstallTranslations() {
  Translations& translations = Loaded();
  if (!translations.translated) return;
  QCoreApplication::installTranslator(&translations.program);
  // Qt's translations stand where Qt keeps them, or beside a program that brings its own (the
  // Windows program, whose Qt is built into it).
  for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                QCoreApplication::applicationDirPath()}) {
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

std::string Translated(std::string_view english) {
  return detail::Translated(english).toStdString();
}

std::string LocalNumber(std::string_view text) {
  std::string local(text);
  if (!detail::Loaded().decimalComma) return local;
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t i = 1; i + 1 < local.size(); ++i) {
    if (local[i] == '.' && digit(local[i - 1]) && digit(local[i + 1])) local[i] = ',';
  }
  return local;
}

std::string Translated(std::string_view pattern, std::string_view argument) {
  return detail::Translated(pattern)
      .replace(QLatin1String("%1"), detail::FromUtf8(argument))
      .toStdString();
}

}  // namespace platform
