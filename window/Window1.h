#pragma once

#include <string>

#include "platform/Application.h"
#include "platform/Label.h"
#include "platform/Menu.h"
#include "platform/PopupMenu.h"
#include "platform/TextField.h"
#include "platform/Window.h"

// The calculator window. Its state is its controls: the four fields' texts, the material
// popup's rows and selection, and the formula and result lines. It keeps no copy of any of
// them; every handler reads what it needs from the controls through the accessors below.
//
// Construction and the accessors are in window/; the handlers and calculate are in calc/.
class Window1 : public platform::Window {
 public:
  // Controls, looked up by name on every call.
  virtual platform::PopupMenu& PopupMenu1() const;
  virtual platform::Label& Label3() const;
  virtual platform::TextField& current() const;
  virtual platform::Label& result() const;
  virtual platform::Label& form() const;
  virtual platform::TextField& diameter() const;
  virtual platform::TextField& lenght() const;
  virtual platform::Label& Label2() const;
  virtual platform::Label& Label1() const;
  virtual platform::TextField& areafld() const;
  virtual platform::Label& Label4() const;

  // Control event handlers.
  virtual void PopupMenu1_Open(platform::PopupMenu& popup);
  virtual void PopupMenu1_Change(platform::PopupMenu& popup);
  virtual void current_TextChange(platform::TextField& field);
  virtual void diameter_TextChange(platform::TextField& field);
  virtual void diameter_KeyUp(platform::TextField& field, const std::string& key);
  virtual void lenght_TextChange(platform::TextField& field);
  virtual void areafld_TextChange(platform::TextField& field);
  virtual void areafld_KeyUp(platform::TextField& field, const std::string& key);

  // Items of the window's menu bar, looked up by name on every call.
  virtual platform::MenuItem& EditMenu() const;
  virtual platform::MenuItem& EditSelectAll() const;
  virtual platform::MenuItem& EditSeparator2() const;
  virtual platform::MenuItem& EditClear() const;
  virtual platform::MenuItem& EditPaste() const;
  virtual platform::MenuItem& EditCopy() const;
  virtual platform::MenuItem& EditCut() const;
  virtual platform::MenuItem& EditSeparator1() const;
  virtual platform::MenuItem& EditUndo() const;
  virtual platform::MenuItem& FileMenu() const;
  virtual platform::QuitMenuItem& FileQuit() const;

  // Recomputes the voltage drop from the controls and writes it into `result`.
  virtual void calculate();

 protected:
  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void Event_Close() override;

 private:
  template <class C, class Design>
  void CreateControl(const char* name, const Design& design);
  template <class... Args>
  auto Delegate(void (Window1::*handler)(Args...));
};

// The calculator window, opened first if it is not open.
Window1& window1();
