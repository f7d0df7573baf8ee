#include "KeyState.h"

#include <QGuiApplication>
#include <cstdlib>

#if defined(__linux__)
#include <xcb/xcb.h>
#endif

namespace platform::detail {

bool KeyIsDown(std::uint32_t keycode) {
#if defined(__linux__)
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || keycode > 255) return false;
  xcb_connection_t* connection = x11->connection();
  xcb_query_keymap_reply_t* keymap =
      xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
  if (keymap == nullptr) return false;
  const bool down = (keymap->keys[keycode / 8] >> (keycode % 8)) & 1;
  std::free(keymap);
  return down;
#else
  (void)keycode;
  return false;
#endif
}

}  // namespace platform::detail
