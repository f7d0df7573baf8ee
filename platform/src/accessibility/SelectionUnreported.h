#pragma once

class QAccessibleEvent;

namespace platform::detail {

// While one lives, a field's selection changing is not reported to a screen reader. Qt reports
// the selection a field loses or gains as the focus moves (the field left deselects, the field
// Tab reaches selects all) before it reports the focus itself, and Orca speaks each at once:
// "Text unselected." on every Tab and the new field's value twice. A screen reader reads the
// selection of the field that gets the focus from the field itself. Qt offers no other way to
// hold one event back than the update handler, which this takes over for its lifetime only: a
// field keeps one while it handles a focus change.
class SelectionUnreported {
 public:
  SelectionUnreported();
  ~SelectionUnreported();
  SelectionUnreported(const SelectionUnreported&) = delete;
  SelectionUnreported& operator=(const SelectionUnreported&) = delete;

 private:
  void (*outer_)(QAccessibleEvent*);
};

}  // namespace platform::detail
