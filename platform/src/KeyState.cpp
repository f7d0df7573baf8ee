#include "KeyState.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <cstdlib>

#if defined(__linux__)
#include <xcb/xcb.h>
#endif

namespace platform::detail {

bool KeyIsDown(std::uint32_t keycode) {
#if defined(__linux__)
  // Only xcb has a connection to ask: offscreen answers the X11 interface too, without one.
  if (keycode > 255 || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
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

#if defined(__linux__)
namespace {

// A QObject too, so that it goes with the application object; it leaves the event
// dispatcher as it goes.
class XFocusWatch final : public QObject, public QAbstractNativeEventFilter {
 public:
  XFocusWatch(void (*lost)(), QObject* parent) : QObject(parent), lost_(lost) {}

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_FOCUS_OUT) return false;
    // The focus moving between a window and its own parts, or following the pointer, leaves the
    // keyboard with the window.
    const auto* focus = static_cast<const xcb_focus_out_event_t*>(message);
    if (focus->detail != XCB_NOTIFY_DETAIL_INFERIOR && focus->detail != XCB_NOTIFY_DETAIL_POINTER) {
      lost_();
    }
    return false;
  }

 private:
  void (*lost_)();
};

}  // namespace
#endif

void WhenXFocusIsLost(void (*lost)()) {
#if defined(__linux__)
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  qGuiApp->installNativeEventFilter(new XFocusWatch(lost, qGuiApp));
#else
  (void)lost;
#endif
}

}  // namespace platform::detail
