#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <memory>

#include "platform/QtAccess.h"
#include "window/Window1.h"

// The calculator window, recording every handler and calculate call it receives as
// "handler" or "handler:key", and what the window showed when the popup's Open arrived.
class RecordingWindow : public Window1 {
 public:
  struct Snapshot {
    std::int64_t rows = -1;
    std::int64_t listIndex = 0;
    QStringList texts;  // form, result, lenght, diameter, areafld, current
    QStringList callsBefore;
  };

  QStringList calls;
  Snapshot beforeOpen;

  static RecordingWindow& OpenNew() {
    platform::DestroyAllWindows();
    return static_cast<RecordingWindow&>(
        platform::Window::Open(std::make_unique<RecordingWindow>()));
  }

  int Count(const QString& call) const { return calls.count(call); }

  void PopupMenu1_Open(platform::PopupMenu& popup) override {
    beforeOpen = {PopupMenu1().RowCount(),
                  PopupMenu1().ListIndex(),
                  {Text(form()), Text(result()), Text(lenght()), Text(diameter()), Text(areafld()),
                   Text(current())},
                  calls};
    calls << "PopupMenu1_Open";
    Window1::PopupMenu1_Open(popup);
  }
  void PopupMenu1_Change(platform::PopupMenu& popup) override {
    calls << "PopupMenu1_Change";
    Window1::PopupMenu1_Change(popup);
  }
  void current_TextChange(platform::TextField& field) override {
    calls << "current_TextChange";
    Window1::current_TextChange(field);
  }
  void lenght_TextChange(platform::TextField& field) override {
    calls << "lenght_TextChange";
    Window1::lenght_TextChange(field);
  }
  void diameter_TextChange(platform::TextField& field) override {
    calls << "diameter_TextChange";
    Window1::diameter_TextChange(field);
  }
  void areafld_TextChange(platform::TextField& field) override {
    calls << "areafld_TextChange";
    Window1::areafld_TextChange(field);
  }
  void diameter_KeyUp(platform::TextField& field, const std::string& key) override {
    calls << QString::fromStdString("diameter_KeyUp:" + key);
    Window1::diameter_KeyUp(field, key);
  }
  void areafld_KeyUp(platform::TextField& field, const std::string& key) override {
    calls << QString::fromStdString("areafld_KeyUp:" + key);
    Window1::areafld_KeyUp(field, key);
  }
  void calculate() override {
    calls << "calculate";
    Window1::calculate();
  }

 private:
  template <class C>
  static QString Text(const C& control) {
    return QString::fromStdString(control.Text());
  }
};

inline QWidget* WidgetNamed(const Window1& window, const char* name) {
  return platform::WidgetOf(*window.ControlByName(name));
}

inline QLineEdit* FieldNamed(const Window1& window, const char* name) {
  return static_cast<QLineEdit*>(WidgetNamed(window, name));
}

// Types into the field as a person would: focus it, select all, type.
inline void TypeInto(const Window1& window, const char* name, const QString& text) {
  QLineEdit* field = FieldNamed(window, name);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
}

inline QString TextOf(const platform::Label& label) { return QString::fromStdString(label.Text()); }
inline QString TextOf(const platform::TextField& field) {
  return QString::fromStdString(field.Text());
}
