#pragma once

#include <vector>

class QWidget;

namespace platform::detail {

// Gives each text field the label that stands on its row, to its left, as its caption, so that
// a screen reader names the field by that label.
void ConnectCaptions(const std::vector<QWidget*>& widgets);

}  // namespace platform::detail
