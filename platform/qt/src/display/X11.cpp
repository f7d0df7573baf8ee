#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QSet>
#include <utility>

#include "display/Display.h"

#if defined(VD_X11)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#endif

namespace platform::detail {

#if defined(VD_X11)
namespace {

// Tells the keys pressed in this program whose release went to another client. The server sends
// a key's release to the client that holds the X focus then: a key pressed here is released
// elsewhere only once this program's window has lost the focus, which the server tells the window
// however briefly it lasts, too briefly for Qt to act on. Each key still down then is awaited: a
// message the program sends itself arrives after anything the server sent before it, so a key
// whose release has not come by then went elsewhere, or is still held after the focus came back
// and is settled early, its edit done. A synthetic press (another client's XSendEvent) has no
// release the server will report: the same message settles it. So the program needs to hear no
// key of any other client's, and hears none: not the X server's raw key events, which tell every
// key released on the display, a password typed elsewhere included.
class KeyReleases final : public QObject, public QAbstractNativeEventFilter {
 public:
  KeyReleases(xcb_connection_t* connection, std::function<void(std::uint32_t)> releasedElsewhere)
      : QObject(qApp), connection_(connection), releasedElsewhere_(std::move(releasedElsewhere)) {
    setObjectName(QStringLiteral("KeyReleases"));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    fence_ = xcb_generate_id(connection);
    xcb_create_window(connection, 0, fence_, root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_flush(connection);
  }

  bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
      case XCB_KEY_PRESS: {
        const std::uint32_t keycode = reinterpret_cast<const xcb_key_press_event_t*>(event)->detail;
        (event->response_type & 0x80) ? Await({keycode}) : void(pressed_.insert(keycode));
        return false;
      }
      case XCB_KEY_RELEASE: {
        const std::uint32_t keycode =
            reinterpret_cast<const xcb_key_release_event_t*>(event)->detail;
        pressed_.remove(keycode);
        awaited_.remove(keycode);
        return false;
      }
      case XCB_FOCUS_OUT:
        if (!pressed_.isEmpty()) Await(std::exchange(pressed_, {}));
        return false;
      case XCB_CLIENT_MESSAGE: {
        if (reinterpret_cast<const xcb_client_message_event_t*>(event)->window != fence_)
          return false;
        // Posted, so that the key events Qt has read up to here reach the fields first.
        for (const std::uint32_t keycode : std::exchange(awaited_, {})) {
          QMetaObject::invokeMethod(
              this, [this, keycode] { releasedElsewhere_(keycode); }, Qt::QueuedConnection);
        }
        return true;
      }
      default:
        return false;
    }
  }

 private:
  void Await(const QSet<std::uint32_t>& keycodes) {
    awaited_.unite(keycodes);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = fence_;
    xcb_send_event(connection_, false, fence_, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
  }

  xcb_connection_t* connection_;
  std::function<void(std::uint32_t)> releasedElsewhere_;
  xcb_window_t fence_ = 0;
  QSet<std::uint32_t> pressed_;  // pressed in this program's windows, with no release yet
  QSet<std::uint32_t> awaited_;  // has its release come here?
};

}  // namespace

void WatchKeyReleases(std::function<void(std::uint32_t keycode)> releasedElsewhere) {
  if (QGuiApplication::platformName() != QLatin1String("xcb") ||
      qApp->findChild<QObject*>(QStringLiteral("KeyReleases"), Qt::FindDirectChildrenOnly)) {
    return;
  }
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr || x11->display() == nullptr) return;
  // Auto-repeat sends presses alone, with no release between them: every release is real. This
  // holds for the whole program, and Qt then marks no key event as auto-repeated: nothing under X
  // relies on isAutoRepeat(), which the fields read only where the platform repeats releases.
  XkbSetDetectableAutoRepeat(x11->display(), True, nullptr);
  // Owned by the application, which ends the event dispatcher before its children.
  qApp->installNativeEventFilter(new KeyReleases(connection, std::move(releasedElsewhere)));
}

void EndQuietlyOnLostDisplay() {
  XSetIOErrorHandler([](::Display*) -> int { EndForLostDisplay("X11"); });
}
#else
void WatchKeyReleases(std::function<void(std::uint32_t)>) {}
void EndQuietlyOnLostDisplay() {}
#endif

}  // namespace platform::detail
