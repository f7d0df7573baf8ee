#pragma once

#include "platform/Menu.h"

// The calculator's menu bar: File (Quit) and Edit (Undo, Cut, Copy, Paste, Delete, Select
// All). It attaches no behaviour of its own: Quit and the edit commands are the platform's.
// One instance is shared by the application and the window.
class MainMenuBar : public platform::MenuBar {
 public:
  MainMenuBar();

 private:
  void Untitled0();  // the File menu
  void Untitled1();  // the Edit menu
};

// The shared menu bar, built on the first call.
MainMenuBar& mainMenuBar();
