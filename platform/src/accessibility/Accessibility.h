#pragma once

// accessibility/: what a screen reader reads of the window and hears from it, beyond what Qt's
// own accessibility gives the widgets: the accessible interfaces of the platform's widgets
// (Interfaces.h), what is announced (Announce.h), what is held back (SelectionUnreported.h).
//
// Qt creates an accessible interface only when an assistive technology asks for one, and
// announces only while one listens: none of this costs anything without a screen reader.

namespace platform::detail {

// Installs the platform's accessible interfaces; the runtime calls it once.
void InstallAccessibility();

}  // namespace platform::detail
