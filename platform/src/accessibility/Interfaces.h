#pragma once

class QAccessibleInterface;
class QComboBox;
class QObject;

namespace platform {
class LineEdit;
}

// The accessible interfaces the platform gives its own widgets in place of Qt's.
namespace platform::detail {

QAccessibleInterface* FieldInterface(LineEdit* field);
QAccessibleInterface* PopupInterface(QComboBox* popup);
// The hidden notification that Announce shows where Qt has no announcement event (before
// Qt 6.8); nullptr for any other object.
QAccessibleInterface* AnnouncerInterface(QObject* object);

}  // namespace platform::detail
