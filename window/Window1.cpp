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

template <class C>
void Window1::CreateControl(const char* name) {
  AddControl(name, New<C>());
  ControlAs<C>(name).ApplyProperties(design::ControlProperties(name));
}

// A handler bound to this window, called through the class's virtual table.
template <class... Args>
auto Window1::Delegate(void (Window1::*handler)(Args...)) {
  return [this, handler](Args... args) { (this->*handler)(args...); };
}

void Window1::Layout() {
  SetMenuBar(mainMenuBar());
  ApplyProperties(design::Window1Properties());
}

void Window1::CreateControls() { CreateControls0(); }

// Each control is registered and given its design values before its handlers are attached,
// so no handler runs while the window is being built.
void Window1::CreateControls0() {
  CreateControl<PopupMenu>("PopupMenu1");
  PopupMenu1().Open.Attach(Delegate(&Window1::PopupMenu1_Open));
  PopupMenu1().Change.Attach(Delegate(&Window1::PopupMenu1_Change));
  CreateControl<Label>("Label3");
  CreateControl<TextField>("current");
  current().TextChange.Attach(Delegate(&Window1::current_TextChange));
  CreateControl<Label>("result");
  CreateControl<Label>("form");
  CreateControl<TextField>("diameter");
  diameter().TextChange.Attach(Delegate(&Window1::diameter_TextChange));
  diameter().KeyUp.Attach(Delegate(&Window1::diameter_KeyUp));
  CreateControl<TextField>("lenght");
  lenght().TextChange.Attach(Delegate(&Window1::lenght_TextChange));
  CreateControl<Label>("Label2");
  CreateControl<Label>("Label1");
  CreateControl<TextField>("areafld");
  areafld().TextChange.Attach(Delegate(&Window1::areafld_TextChange));
  areafld().KeyUp.Attach(Delegate(&Window1::areafld_KeyUp));
  CreateControl<Label>("Label4");
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

template <class Item>
Item& Window1::MenuItemNamed(const char* name) const {
  platform::MenuBar* bar = GetMenuBar();
  if (bar == nullptr) throw platform::NilObjectException("the window has no menu bar");
  MenuItem* item = bar->Lookup(name);
  if (item == nullptr) {
    throw platform::NilObjectException(std::string("the menu bar has no item named ") + name);
  }
  auto* typed = dynamic_cast<Item*>(item);
  if (typed == nullptr) {
    throw platform::IllegalCastException(std::string("menu item ") + name + " is of another class");
  }
  return *typed;
}

MenuItem& Window1::EditMenu() const { return MenuItemNamed<MenuItem>("EditMenu"); }
MenuItem& Window1::EditSelectAll() const { return MenuItemNamed<MenuItem>("EditSelectAll"); }
MenuItem& Window1::EditSeparator2() const { return MenuItemNamed<MenuItem>("EditSeparator2"); }
MenuItem& Window1::EditClear() const { return MenuItemNamed<MenuItem>("EditClear"); }
MenuItem& Window1::EditPaste() const { return MenuItemNamed<MenuItem>("EditPaste"); }
MenuItem& Window1::EditCopy() const { return MenuItemNamed<MenuItem>("EditCopy"); }
MenuItem& Window1::EditCut() const { return MenuItemNamed<MenuItem>("EditCut"); }
MenuItem& Window1::EditSeparator1() const { return MenuItemNamed<MenuItem>("EditSeparator1"); }
MenuItem& Window1::EditUndo() const { return MenuItemNamed<MenuItem>("EditUndo"); }
MenuItem& Window1::FileMenu() const { return MenuItemNamed<MenuItem>("FileMenu"); }
QuitMenuItem& Window1::FileQuit() const { return MenuItemNamed<QuitMenuItem>("FileQuit"); }
