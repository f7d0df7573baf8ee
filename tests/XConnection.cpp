// Xlib's macros clash with Qt's names, so its uses in the tests live here, after Qt's.
#include <QGuiApplication>
#include <csignal>
#include <cstdlib>
#include <string>

// Xlib last, after every Qt header.
#include <X11/Xlib.h>
#include <sys/socket.h>

namespace {
Display* display() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
}
}  // namespace

void BreakXConnectionThroughXlib() {
  std::signal(SIGPIPE, SIG_IGN);
  ::shutdown(ConnectionNumber(display()), SHUT_RDWR);
  XSync(display(), False);
}

// Gives the X focus to a new window that the window manager leaves alone, so that it does not
// take the focus back.
unsigned long TakeTheXFocusAway() {
  XSetWindowAttributes unmanaged{};
  unmanaged.override_redirect = True;
  const Window other =
      XCreateWindow(display(), DefaultRootWindow(display()), 0, 0, 1, 1, 0, CopyFromParent,
                    InputOutput, CopyFromParent, CWOverrideRedirect, &unmanaged);
  XMapWindow(display(), other);
  XSetInputFocus(display(), other, RevertToParent, CurrentTime);
  XSync(display(), False);
  return other;
}

void ReleaseKeyWhileTheFocusIsElsewhere(const char* key) {
  Window focus = None;
  int revert = RevertToParent;
  XGetInputFocus(display(), &focus, &revert);
  const Window other = TakeTheXFocusAway();
  if (std::system((std::string("xdotool keyup ") + key).c_str()) != 0) std::abort();
  XSetInputFocus(display(), focus, revert, CurrentTime);
  XDestroyWindow(display(), other);
  XSync(display(), False);
}

void SendKeyPressAsAnotherProgram(const char* key, unsigned long window) {
  XKeyEvent press{};
  press.type = KeyPress;
  press.display = display();
  press.window = window;
  press.root = DefaultRootWindow(display());
  press.time = CurrentTime;
  press.same_screen = True;
  press.keycode = XKeysymToKeycode(display(), XStringToKeysym(key));
  XSendEvent(display(), window, True, KeyPressMask, reinterpret_cast<XEvent*>(&press));
  XSync(display(), False);
}
