#pragma once

#include <QLabel>

namespace platform {

// The Qt side of a Label: a label that a screen reader may be told is the window's status line.
class LabelWidget final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // A screen reader's command for a window's status bar reads this label: set before the label
  // is first shown.
  bool statusLine = false;
};

}  // namespace platform
