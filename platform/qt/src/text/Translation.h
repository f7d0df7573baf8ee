#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <string_view>

#include "platform/Translation.h"

namespace platform::detail {

// The program's text in the user's language, as platform::Translated gives it.
QString Translated(const Message& message);

// Has the running application use the translations for Qt's own texts too (a field's context
// menu, the command line's usage and Qt's errors).
void InstallTranslations();

// An application object through which Qt's own texts are translated while there is none yet
// (the command line is read before the runtime starts); null where there is one, or nothing to
// translate.
std::unique_ptr<QCoreApplication> ApplicationForQtTexts();

}  // namespace platform::detail
