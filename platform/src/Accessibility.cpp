#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace platform::detail {
namespace {

// The hidden widget whose showing a screen reader presents as a notification.
class Announcer final : public QWidget {
 public:
  using QWidget::QWidget;
};

constexpr const char* kAnnouncerName = "platform.announcer";

QAccessibleInterface* Interface(const QString&, QObject* object) {
  if (auto* announcer = dynamic_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Interface); }

void Announce(QWidget* content, const QString& text) {
  if (!QAccessible::isActive()) return;
  auto* announcer = content->findChild<QWidget*>(QLatin1String(kAnnouncerName));
  if (announcer == nullptr) {
    announcer = new Announcer(content);
    announcer->setObjectName(QLatin1String(kAnnouncerName));
    announcer->setGeometry(0, 0, 0, 0);
  }
  announcer->setAccessibleName(text);
  announcer->hide();
  announcer->show();
}

}  // namespace platform::detail
