#pragma once

// The toolkit's objects behind the platform's windows and controls, named for the public
// headers without including the toolkit: here Qt's widgets.
class QApplication;
class QComboBox;
class QWidget;

namespace platform::native {
using Toolkit = QApplication;
using Widget = QWidget;
using List = QComboBox;
}  // namespace platform::native
