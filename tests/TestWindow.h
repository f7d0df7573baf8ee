#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Label.h"
#include "platform/PopupMenu.h"
#include "platform/QtAccess.h"
#include "platform/TextField.h"
#include "platform/Window.h"

// A bare window with two text fields, a popup and a label, that records every event its
// controls raise as "control:event" or "control:KeyUp:key".
class TestWindow : public platform::Window {
 public:
  QStringList events;

  static TestWindow& OpenNew() {
    platform::DestroyAllWindows();
    return static_cast<TestWindow&>(platform::Window::Open(std::make_unique<TestWindow>()));
  }

  platform::TextField& first() const { return ControlAs<platform::TextField>("first"); }
  platform::TextField& second() const { return ControlAs<platform::TextField>("second"); }
  platform::PopupMenu& popup() const { return ControlAs<platform::PopupMenu>("popup"); }

 protected:
  void Layout() override { Apply({.width = 300, .height = 120, .title = "Test"}); }

  void CreateControls() override {
    int top = 10;
    for (const char* name : {"first", "second"}) {
      AddControl(name, New<platform::TextField>());
      ControlAs<platform::TextField>(name).Apply({.box = {10, top, 200, 22}});
      top += 30;
      auto& field = ControlAs<platform::TextField>(name);
      field.TextChange.Attach([this, name](platform::TextField&) { Record(name, "TextChange"); });
      field.KeyUp.Attach([this, name](platform::TextField&, const std::string& key) {
        Record(name, "KeyUp:" + key);
      });
    }
    AddControl("popup", New<platform::PopupMenu>());
    popup().Apply({.box = {10, 70, 200, 22}});
    popup().Change.Attach([this](platform::PopupMenu&) { Record("popup", "Change"); });
    popup().Open.Attach([this](platform::PopupMenu&) { Record("popup", "Open"); });
  }

 private:
  void Record(const std::string& control, const std::string& event) {
    events << QString::fromStdString(control + ":" + event);
  }
};

inline QLineEdit* LineEditOf(const platform::TextField& field) {
  return static_cast<QLineEdit*>(platform::WidgetOf(field));
}
