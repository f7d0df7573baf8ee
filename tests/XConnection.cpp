// Xlib's macros clash with Qt's names, so its one use in the tests lives here, after Qt's.
#include <QGuiApplication>
#include <csignal>

// Xlib last, after every Qt header.
#include <X11/Xlib.h>
#include <sys/socket.h>

void BreakXConnectionThroughXlib() {
  std::signal(SIGPIPE, SIG_IGN);
  Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
  ::shutdown(ConnectionNumber(display), SHUT_RDWR);
  XSync(display, False);
}
