#pragma once

#include <cstdint>
#include <string>

#include "platform/Control.h"
#include "platform/Event.h"
#include "platform/Native.h"
#include "platform/Numbers.h"

namespace platform {

// A popup list of rows, numbered from 0 in the order they were added, each with a tag.
//
// Adding rows never changes the selection; ListIndex is -1 while no row is selected. Change
// is raised once each time the selection changes, whether the user picked a row or the
// program set ListIndex. Open is raised once, after the window has been constructed and
// before it is first shown.
class PopupMenu final : public Control {
 public:
  explicit PopupMenu(Window& window);

  // The design brings no rows: the program adds them.
  void Apply(const PopupMenuDesign& design);

  void AddRow(const std::string& text);
  std::int64_t RowCount() const;
  std::string RowText(std::int64_t row) const;

  // The tag of `row`; raises OutOfBoundsException for a row that does not exist.
  Variant RowTag(std::int64_t row) const;
  void SetRowTag(std::int64_t row, const Variant& tag);

  std::int64_t ListIndex() const;
  // Selects `row`, or nothing for -1; raises OutOfBoundsException for any other index.
  void SetListIndex(std::int64_t row);

  Event<PopupMenu&> Open;
  Event<PopupMenu&> Change;

 protected:
  void Opened() override { Open.Raise(*this); }
  void DetachHandlers() override {
    Open.DetachAll();
    Change.DetachAll();
  }

 private:
  void CheckRow(std::int64_t row) const;

  native::List* combo_;
};

}  // namespace platform
