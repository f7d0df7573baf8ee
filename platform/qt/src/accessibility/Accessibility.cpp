#include "accessibility/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "accessibility/Announce.h"
#include "widgets/LineEdit.h"
#include "widgets/Widgets.h"

namespace platform::detail {
namespace {

// The window's status line: a label, whose text is its name, in the role a screen reader
// looks for when asked to read the window's status bar.
class StatusLineAccessible final : public QAccessibleWidget {
 public:
  explicit StatusLineAccessible(LabelWidget* label)
      : QAccessibleWidget(label, QAccessible::StatusBar), label_(label) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && label_->accessibleName().isEmpty()) return label_->Spoken();
    return QAccessibleWidget::text(kind);
  }

 private:
  LabelWidget* label_;
};

// Orca's Where Am I is the keypad's Enter. Orca 48 and later let it through to a program whose
// open menu or list holds the keyboard, where Qt takes it for Return: the menu's item ran (Quit
// quit) and the list chose its highlighted row, Orca 43 too: Qt's list takes the key when asked
// whether it overrides shortcuts, before Qt hands the key itself to Orca. While a screen reader
// listens, the keypad's Enter in an open menu or list does nothing, and Orca's report stands;
// Return acts.
class WhereAmIKey final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress &&
        event->type() != QEvent::KeyRelease) {
      return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Enter && key->modifiers().testFlag(Qt::KeypadModifier) &&
           QApplication::activePopupWidget() != nullptr && QAccessible::isActive();
  }
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
  qApp->installEventFilter(new WhereAmIKey(qApp));
  FrontAccessibilityBridge();
}

}  // namespace platform::detail
