#include "accessibility/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include "accessibility/Announce.h"
#include "widgets/LineEdit.h"
#include "widgets/Widgets.h"

namespace platform::detail {
namespace {

// The window's status line: a label, whose text is its name, in the role a screen reader
// looks for when asked to read the window's status bar.
class StatusLineAccessible final : public QAccessibleWidget {
 public:
  explicit StatusLineAccessible(QLabel* label)
      : QAccessibleWidget(label, QAccessible::StatusBar), label_(label) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && label_->accessibleName().isEmpty()) return label_->text();
    return QAccessibleWidget::text(kind);
  }

 private:
  QLabel* label_;
};

QAccessibleInterface* Interface(const QString&, QObject* object) {
  if (auto* field = qobject_cast<LineEdit*>(object)) return FieldInterface(field);
  if (auto* label = qobject_cast<LabelWidget*>(object); label && label->statusLine) {
    return new StatusLineAccessible(label);
  }
  if (auto* popup = qobject_cast<QComboBox*>(object)) return PopupInterface(popup);
  return AnnouncerInterface(object);
}

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(Interface);
  FrontAccessibilityBridge();
}

}  // namespace platform::detail
