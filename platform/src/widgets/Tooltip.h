#pragma once

#include <QString>
#include <string>

namespace platform::detail {

// The design separates tooltip lines with a carriage return, which Qt shows as a blank.
inline QString TooltipText(const std::string& helpTag) {
  QString text = QString::fromStdString(helpTag);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace platform::detail
