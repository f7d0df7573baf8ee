#include "accessibility/Accessibility.h"

#if defined(VD_ATSPI)
#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <algorithm>

#include "display/Display.h"

namespace platform::detail {
namespace {

// Where Qt's AT-SPI bridge serves every accessible object, on the connection it names "a11y"
// (Qt 6.4 to 6.11).
const QString kBridgePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kBridgeConnection = QStringLiteral("a11y");

// Stands before Qt's AT-SPI bridge on the accessibility bus and hands it every call, with Qt's
// warnings kept off standard error, and a text range's extents with the range first taken
// within the text. The bridge unites the box of
// each offset from the range's start to its end, one at a time: a range ending at INT_MAX never
// ends, and one of a billion offsets holds the window for seconds, for any program on the bus
// to ask. A range within the text has the same extents, since an offset outside it has no box.
class BridgeFront final : public QDBusVirtualObject {
 public:
  explicit BridgeFront(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), bridge_(bridge) {
    setObjectName(QStringLiteral("BridgeFront"));
  }

  QString introspect(const QString& path) const override { return bridge_->introspect(path); }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const bool range = message.member() == QLatin1String("GetRangeExtents") &&
                       message.interface() == QLatin1String("org.a11y.atspi.Text");
    bool handled = false;
    AnswerWithoutWarnings([&] {
      handled = bridge_->handleMessage(range ? WithinText(message) : message, connection);
    });
    return handled;
  }

 private:
  // The bridge names an object by the last part of its path: its accessibility id.
  static QDBusMessage WithinText(QDBusMessage message) {
    QList<QVariant> arguments = message.arguments();
    QAccessibleInterface* object =
        QAccessible::accessibleInterface(message.path().section(QLatin1Char('/'), -1).toUInt());
    QAccessibleTextInterface* text = object != nullptr ? object->textInterface() : nullptr;
    if (text == nullptr || arguments.size() < 2) return message;
    const int length = text->characterCount();
    const int start = std::clamp(arguments[0].toInt(), 0, length);
    const int end = arguments[1].toInt();  // -1: to the text's end
    arguments[0] = start;
    arguments[1] = end == -1 ? length : std::clamp(end, 0, length);
    message.setArguments(arguments);
    return message;
  }

  QDBusVirtualObject* bridge_;
};

// Puts the front before the bridge, once the bridge is on the bus and has none yet.
void FrontTheBridge() {
  QDBusConnection bus(kBridgeConnection);
  if (!bus.isConnected()) return;
  auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kBridgePath));
  if (bridge == nullptr || bridge->objectName() == QLatin1String("BridgeFront")) return;
  bus.unregisterObject(kBridgePath);
  bus.registerVirtualObject(kBridgePath, new BridgeFront(bridge), QDBusConnection::SubPath);
}

// Qt makes its bridge active and then, in the same call, puts it on the bus (Qt 6.4 to 6.11):
// the front follows once that call is over.
class BridgeWatch final : public QAccessible::ActivationObserver {
 public:
  void accessibilityActiveChanged(bool active) override {
    if (active) QMetaObject::invokeMethod(qApp, FrontTheBridge, Qt::QueuedConnection);
  }
};

}  // namespace

void FrontAccessibilityBridge() {
  static auto* const watch = new BridgeWatch;  // for Qt's whole life, which may outlast statics
  QAccessible::installActivationObserver(watch);
  if (QAccessible::isActive()) FrontTheBridge();
}

}  // namespace platform::detail
#else
namespace platform::detail {
void FrontAccessibilityBridge() {}
}  // namespace platform::detail
#endif
