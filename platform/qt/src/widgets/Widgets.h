#pragma once

// widgets/: the Qt widgets a window and its controls are built of, and the Edit menu's
// commands on them.

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <string>

class QMenuBar;
class QWidget;

namespace platform {

class MenuBar;
class Window;

// The Qt side of a Label: a label that a screen reader may be told is the window's status line.
class LabelWidget final : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // A screen reader's command for a window's status bar reads this label: set before the label
  // is first shown.
  bool statusLine = false;
  // What a screen reader reads for the text, where that is not the text itself.
  QString spoken;
  QString Spoken() const { return spoken.isEmpty() ? text() : spoken; }
};

// The Qt side of a PopupMenu: its list always opens on the current row. Qt 6.8 and later open it
// on the row last highlighted, which Escape left the current one (Return would choose it), and a
// screen reader hears it as the list's news.
class PopupWidget final : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;
  void showPopup() override;
};

}  // namespace platform

namespace platform::detail {

// The widget that holds a window's controls (its content area below the menu bar).
QWidget* ContentOf(Window& window);

// Qt's menu bar for `menuBar`'s tree: a menu for each item with children, a separator for
// each "-", an action for every other item, which calls the item's Action when chosen. The
// menus follow later changes of the items.
QMenuBar* BuildMenuBar(MenuBar& menuBar, QWidget* parent);

// The design separates tooltip lines with a carriage return, which Qt shows as a blank.
inline QString TooltipText(const std::string& helpTag) {
  QString text = QString::fromStdString(helpTag);
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace platform::detail
