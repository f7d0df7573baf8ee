#include <QGuiApplication>
#include <cstdlib>

#include "display/Display.h"

#if defined(VD_X11)
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#endif

namespace platform::detail {

#if defined(VD_X11)
bool KeyStateKnown() {
  // Only xcb has a connection to ask: offscreen answers the X11 interface too, without one.
  return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool KeyIsDown(std::uint32_t keycode) {
  if (keycode > 255 || !KeyStateKnown()) return false;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  xcb_query_keymap_reply_t* keymap =
      xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
  if (keymap == nullptr) return false;
  const bool down = (keymap->keys[keycode / 8] >> (keycode % 8)) & 1;
  std::free(keymap);
  return down;
}

void EndQuietlyOnLostDisplay() {
  XSetIOErrorHandler([](::Display*) -> int { EndForLostDisplay("X11"); });
}
#else
bool KeyStateKnown() { return false; }
bool KeyIsDown(std::uint32_t) { return false; }
void EndQuietlyOnLostDisplay() {}
#endif

}  // namespace platform::detail
