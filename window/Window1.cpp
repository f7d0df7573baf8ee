#include "window/Window1.h"

#include "menus/MainMenuBar.h"
#include "platform/Application.h"
#include "window/Design.h"

using platform::Label;
using platform::MenuItem;
using platform::PopupMenu;
using platform::QuitMenuItem;
using platform::TextField;

Window1& window1() { return platform::Window::ImplicitInstance<Window1>(); }

template <class C, class Design>
void Window1::CreateControl(const char* name, const Design& design) {
  AddControl(name, New<C>());
  ControlAs<C>(name).Apply(design);
}

// A handler bound to this window, called through the class's virtual table.
template <class... Args>
auto Window1::Delegate(void (Window1::*handler)(Args...)) {
  return [this, handler](Args... args) { (this->*handler)(args...); };
}

void Window1::Layout() {
  SetMenuBar(mainMenuBar());
  Apply(design::kWindow1);
}

void Window1::CreateControls() { CreateControls0(); }

// Each control is registered and given its design values before its handlers are attached,
// so no handler runs while the window is being built.
void Window1::CreateControls0() {
  CreateControl<PopupMenu>("PopupMenu1", design::kPopupMenu1);
  PopupMenu1().Open.Attach(Delegate(&Window1::PopupMenu1_Open));
  PopupMenu1().Change.Attach(Delegate(&Window1::PopupMenu1_Change));
  CreateControl<Label>("Label3", design::kLabel3);
  CreateControl<TextField>("current", design::kCurrent);
  current().TextChange.Attach(Delegate(&Window1::current_TextChange));
  CreateControl<Label>("result", design::kResult);
  CreateControl<Label>("form", design::kForm);
  CreateControl<TextField>("diameter", design::kDiameter);
  diameter().TextChange.Attach(Delegate(&Window1::diameter_TextChange));
  diameter().KeyUp.Attach(Delegate(&Window1::diameter_KeyUp));
  CreateControl<TextField>("lenght", design::kLenght);
  lenght().TextChange.Attach(Delegate(&Window1::lenght_TextChange));
  CreateControl<Label>("Label2", design::kLabel2);
  CreateControl<Label>("Label1", design::kLabel1);
  CreateControl<TextField>("areafld", design::kAreafld);
  areafld().TextChange.Attach(Delegate(&Window1::areafld_TextChange));
  areafld().KeyUp.Attach(Delegate(&Window1::areafld_KeyUp));
  CreateControl<Label>("Label4", design::kLabel4);
}

void Window1::Event_Close() { platform::Quit(0); }

PopupMenu& Window1::PopupMenu1() const { return ControlAs<PopupMenu>("PopupMenu1"); }
Label& Window1::Label3() const { return ControlAs<Label>("Label3"); }
TextField& Window1::current() const { return ControlAs<TextField>("current"); }
Label& Window1::result() const { return ControlAs<Label>("result"); }
Label& Window1::form() const { return ControlAs<Label>("form"); }
TextField& Window1::diameter() const { return ControlAs<TextField>("diameter"); }
TextField& Window1::lenght() const { return ControlAs<TextField>("lenght"); }
Label& Window1::Label2() const { return ControlAs<Label>("Label2"); }
Label& Window1::Label1() const { return ControlAs<Label>("Label1"); }
TextField& Window1::areafld() const { return ControlAs<TextField>("areafld"); }
Label& Window1::Label4() const { return ControlAs<Label>("Label4"); }

MenuItem& Window1::EditMenu() const { return MenuItemAs<MenuItem>("EditMenu"); }
MenuItem& Window1::EditSelectAll() const { return MenuItemAs<MenuItem>("EditSelectAll"); }
MenuItem& Window1::EditSeparator2() const { return MenuItemAs<MenuItem>("EditSeparator2"); }
MenuItem& Window1::EditClear() const { return MenuItemAs<MenuItem>("EditClear"); }
MenuItem& Window1::EditPaste() const { return MenuItemAs<MenuItem>("EditPaste"); }
MenuItem& Window1::EditCopy() const { return MenuItemAs<MenuItem>("EditCopy"); }
MenuItem& Window1::EditCut() const { return MenuItemAs<MenuItem>("EditCut"); }
MenuItem& Window1::EditSeparator1() const { return MenuItemAs<MenuItem>("EditSeparator1"); }
MenuItem& Window1::EditUndo() const { return MenuItemAs<MenuItem>("EditUndo"); }
MenuItem& Window1::FileMenu() const { return MenuItemAs<MenuItem>("FileMenu"); }
QuitMenuItem& Window1::FileQuit() const { return MenuItemAs<QuitMenuItem>("FileQuit"); }
