#pragma once

// accessibility/: what a screen reader reads of the window and hears from it, beyond what Qt's
// own accessibility gives the widgets: the accessible interfaces of the platform's widgets,
// and what is announced or held back (Announce.h).
//
// Qt creates an accessible interface only when an assistive technology asks for one, and
// announces only while one listens: none of this costs anything without a screen reader.

class QAccessibleInterface;
class QComboBox;
class QObject;

namespace platform {
class LineEdit;
}

namespace platform::detail {

// Installs the platform's accessible interfaces; the runtime calls it once.
void InstallAccessibility();
// Guards Qt's AT-SPI bridge from calls that would hold the window (BridgeFront.cpp); nothing
// where Qt has no AT-SPI bridge.
void FrontAccessibilityBridge();

// The accessible interfaces the platform gives its own widgets in place of Qt's.
QAccessibleInterface* FieldInterface(LineEdit* field);
QAccessibleInterface* PopupInterface(QComboBox* popup);

}  // namespace platform::detail
