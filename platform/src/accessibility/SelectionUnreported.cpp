#include <QAccessible>

#include "accessibility/Announce.h"

namespace platform::detail {
namespace {

// The handler that was in force when the selection went unreported: none, or a test's.
QAccessible::UpdateHandler outerHandler = nullptr;

// Every event but a selection change goes on as it would have: to that handler, or to the
// screen reader through Qt's own bridge, which Qt calls only while no handler is installed.
void ReportAllButSelection(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextSelectionChanged) return;
  if (outerHandler != nullptr) return outerHandler(event);
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(ReportAllButSelection);
}

}  // namespace

void WithSelectionUnreported(const std::function<void()>& handle) {
  const QAccessible::UpdateHandler outer = QAccessible::installUpdateHandler(ReportAllButSelection);
  if (outer != ReportAllButSelection) outerHandler = outer;
  handle();
  QAccessible::installUpdateHandler(outer);
}

}  // namespace platform::detail
