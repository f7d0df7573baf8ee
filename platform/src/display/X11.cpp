#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QSet>
#include <utility>

#include "display/Display.h"

#if defined(VD_X11)
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#include <xcb/xinput.h>
#endif

namespace platform::detail {

#if defined(VD_X11)
namespace {

// Tells the keys released while their release went to another client. The server reports every
// release of a real key as a raw event, wherever the focus is; the core release, if it comes to
// this program, follows it in the same stream. A message the program sends itself on seeing the
// raw event arrives after anything the server sent before it, so a key whose core release has
// not come by then was released elsewhere. A synthetic press (another client's XSendEvent) has
// no release the server will report: the same message settles it.
class KeyReleases final : public QObject, public QAbstractNativeEventFilter {
 public:
  KeyReleases(xcb_connection_t* connection, std::function<void(std::uint32_t)> releasedElsewhere)
      : QObject(qApp), connection_(connection), releasedElsewhere_(std::move(releasedElsewhere)) {
    setObjectName(QStringLiteral("KeyReleases"));
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const auto* input = xcb_get_extension_data(connection, &xcb_input_id);
    if (input != nullptr && input->present) {
      inputOpcode_ = input->major_opcode;
      // The mask goes over the wire as little-endian bytes, whatever the host's order.
      struct {
        xcb_input_event_mask_t head;
        alignas(4) std::uint8_t mask[4];
      } raw{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, {}};
      raw.mask[XCB_INPUT_RAW_KEY_RELEASE / 8] = 1 << (XCB_INPUT_RAW_KEY_RELEASE % 8);
      xcb_input_xi_select_events(connection, root, 1, &raw.head);
    }
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
        (event->response_type & 0x80) ? Await(keycode) : void(pressed_.insert(keycode));
        return false;
      }
      case XCB_KEY_RELEASE: {
        const std::uint32_t keycode =
            reinterpret_cast<const xcb_key_release_event_t*>(event)->detail;
        pressed_.remove(keycode);
        awaited_.remove(keycode);
        return false;
      }
      case XCB_GE_GENERIC: {
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
        if (inputOpcode_ == 0 || generic->extension != inputOpcode_ ||
            generic->event_type != XCB_INPUT_RAW_KEY_RELEASE)
          return false;
        const std::uint32_t keycode =
            reinterpret_cast<const xcb_input_raw_key_release_event_t*>(event)->detail;
        if (pressed_.remove(keycode)) Await(keycode);
        return true;
      }
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
  void Await(std::uint32_t keycode) {
    awaited_.insert(keycode);
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
  std::uint8_t inputOpcode_ = 0;
  xcb_window_t fence_ = 0;
  QSet<std::uint32_t> pressed_;  // pressed in this program's windows, with no release yet
  QSet<std::uint32_t> awaited_;  // released: has its release come here?
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
  // Auto-repeat sends presses alone, with no release between them: every release is real.
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
