#include "accessibility/SelectionUnreported.h"

#include <QAccessible>

namespace platform::detail {
namespace {

// The handler that was in force when a SelectionUnreported took over: none, or a test's.
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

SelectionUnreported::SelectionUnreported()
    : outer_(QAccessible::installUpdateHandler(ReportAllButSelection)) {
  if (outer_ != ReportAllButSelection) outerHandler = outer_;
}

SelectionUnreported::~SelectionUnreported() { QAccessible::installUpdateHandler(outer_); }

}  // namespace platform::detail
