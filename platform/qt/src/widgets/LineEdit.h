#pragma once

#include <QLineEdit>
#include <QSet>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace platform {

// The Qt side of a TextField. It tells edits made by a key press in the field from all other
// user edits, and turns key releases into one KeyUp each:
// - a release counts only if the key was pressed in this field (after Tab, X delivers the
//   release to the field that gains the focus);
// - auto-repeat releases do not count: Qt marks them, and under X the server sends none;
// - a user edit made without a key press in the field gets a KeyUp with an empty key right
//   after its text change, and so does a key edit whose release the field never saw: the
//   focus left the field, or under X the release went to another window while this one lost
//   the X focus for an instant, too short for Qt to tell, or another program pressed the key
//   with XSendEvent and will send no release the server knows of.
class LineEdit final : public QLineEdit {
  Q_OBJECT

 public:
  using KeyUpHandler = std::function<void(const std::string& key)>;

  LineEdit(QWidget* parent, KeyUpHandler keyUp);

  // Called once the field's TextChange has been raised for a change of its text: a listening
  // screen reader is told when the text turns into no number or back.
  void AfterTextChange();
  // Replaces the text as a user's edit made without a key in the field (a screen reader's, a
  // voice-control tool's): it raises its KeyUp after its TextChange, as a paste does.
  void EditText(const QString& text);

  // `help` is what Ctrl+F1 shows (the caption's tooltip) and `spokenHelp` what it has a screen
  // reader say; `description` the one short sentence a screen reader reads with the field.
  void SetHelp(const QString& help, const QString& spokenHelp, const QString& description);
  // A field for a number tells a screen reader when its text is not one.
  void SetHoldsNumber(bool holdsNumber);
  bool HoldsNumber() const { return holdsNumber_; }
  // What a screen reader reads with the field: "Invalid entry" first while a field for a
  // number holds none.
  QString Description() const;
  // Where the cursor stands, as Qt draws it: in a box centred on the cursor's position.
  using QLineEdit::cursorRect;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The key's release went elsewhere (keycode 0: every key pressed without a keycode).
  void KeyReleasedElsewhere(std::uint32_t keycode);
  // The keys held down in the field will be released elsewhere: a key edit gets its KeyUp now.
  void SettleKeys();
  void RaiseKeyUp(const std::string& key);
  bool HoldsNoNumber() const;
  QString DescriptionFor(bool invalid) const;
  void ReportDescription();
  // A field for a number that holds none is marked at its trailing end with a warning sign, a
  // shape in the text's colour, whose tooltip is the field's description.
  void ShowValidity();
  QRectF InvalidMark() const;

  KeyUpHandler keyUp_;
  QSet<int> pressedKeys_;
  bool inKeyPress_ = false;
  bool keyEditSinceKeyUp_ = false;
  bool otherEditPending_ = false;
  QString help_;
  QString spokenHelp_;
  QString description_;
  bool holdsNumber_ = false;
  bool reportedInvalid_ = false;  // what a screen reader was last told of the text
  bool markShown_ = false;
};

}  // namespace platform
