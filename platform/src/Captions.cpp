#include "Captions.h"

#include <QLabel>
#include <QLineEdit>

namespace platform::detail {

void ConnectCaptions(const std::vector<QWidget*>& widgets) {
  for (QWidget* widget : widgets) {
    auto* field = qobject_cast<QLineEdit*>(widget);
    if (field == nullptr) continue;
    const QRect box = field->geometry();
    QLabel* caption = nullptr;
    for (QWidget* other : widgets) {
      auto* label = qobject_cast<QLabel*>(other);
      if (label == nullptr || label->buddy() != nullptr) continue;
      const QRect labelBox = label->geometry();
      const bool onRow =
          labelBox.top() <= box.center().y() && box.center().y() <= labelBox.bottom();
      const bool onLeft = labelBox.right() < box.left();
      if (onRow && onLeft &&
          (caption == nullptr || labelBox.right() > caption->geometry().right())) {
        caption = label;
      }
    }
    if (caption == nullptr) continue;
    caption->setBuddy(field);
    // The caption's tooltip (the wire tables) is what a screen reader reads for the field.
    field->setAccessibleDescription(caption->toolTip());
  }
}

}  // namespace platform::detail
