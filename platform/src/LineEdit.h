#pragma once

#include <QLineEdit>
#include <QSet>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The Qt side of a TextField. It tells edits made by a key press in the field from all other
// user edits, and turns key releases into one KeyUp each:
// - a release counts only if the key was pressed in this field (after Tab, X delivers the
//   release to the field that gains the focus);
// - auto-repeat releases do not count. X11 marks most of them, but its detection is a
//   heuristic, so under X a release counts only if no press of the same key follows within
//   kRepeatWindowMs;
// - a user edit made without a key press in the field gets a KeyUp with an empty key right
//   after its text change, and so does a key edit whose release the field never saw.
class LineEdit final : public QLineEdit {
 public:
  using KeyUpHandler = std::function<void(const std::string& key)>;

  LineEdit(QWidget* parent, KeyUpHandler keyUp);

  // Called once the field's TextChange has been raised for a change of its text.
  void AfterTextChange();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  static constexpr int kRepeatWindowMs = 30;

  void RaiseKeyUp(const std::string& key);
  void RaiseDeferredReleases();

  KeyUpHandler keyUp_;
  QSet<int> pressedKeys_;
  bool inKeyPress_ = false;
  bool keyEditSinceKeyUp_ = false;
  bool otherEditPending_ = false;
  bool deferReleases_;
  QTimer releaseTimer_;
  std::vector<std::pair<int, std::string>> deferredReleases_;
};

}  // namespace platform
