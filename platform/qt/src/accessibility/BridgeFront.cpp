#include "accessibility/Accessibility.h"

#if defined(VD_ATSPI)
#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

#include "display/Display.h"

namespace platform::detail {
namespace {

// Where Qt's AT-SPI bridge serves every accessible object, on the connection it names "a11y"
// (Qt 6.4 to 6.11).
const QString kBridgePath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kBridgeConnection = QStringLiteral("a11y");

// The most characters a field holds.
constexpr int kFieldLength = 32767;

// The object a call names: the application for the root.
QAccessibleInterface* ObjectOf(const QDBusMessage& message) {
  const QString name = message.path().section(QLatin1Char('/'), -1);
  if (name == QLatin1String("root")) return QAccessible::queryAccessibleInterface(qApp);
  return QAccessible::accessibleInterface(name.toUInt());
}

// Whether the object a call names offers the interface it calls. The bridge answers a text's,
// a table's or a value's call, or property, from the object's interface of that kind without
// looking whether it has one (Qt 6.4 to 6.11): a table's call to a row of the material list, or
// a table's property asked of a menu, ends the program.
bool Offers(const QDBusMessage& message) {
  static const std::pair<QLatin1String, QAccessible::InterfaceType> kAnsweredFrom[] = {
      {QLatin1String("org.a11y.atspi.Text"), QAccessible::TextInterface},
      {QLatin1String("org.a11y.atspi.EditableText"), QAccessible::EditableTextInterface},
      {QLatin1String("org.a11y.atspi.Table"), QAccessible::TableInterface},
      {QLatin1String("org.a11y.atspi.TableCell"), QAccessible::TableCellInterface},
      {QLatin1String("org.a11y.atspi.Value"), QAccessible::ValueInterface},
  };
  QAccessibleInterface* object = ObjectOf(message);
  if (object == nullptr) return true;  // the bridge says there is no such object
  // A property is asked of the properties' interface, with the interface it belongs to first.
  const bool property = message.interface() == QLatin1String("org.freedesktop.DBus.Properties");
  const QString asked = property ? message.arguments().value(0).toString() : message.interface();
  for (const auto& [interface, kind] : kAnsweredFrom) {
    if (asked == interface) return object->interface_cast(kind) != nullptr;
  }
  return true;
}

// Whether a call of the table interface names a row, column or cell the table has. Qt's own
// answers read past its model for any other (Qt 6.4 to 6.11) and end the program.
bool InTable(const QDBusMessage& message) {
  QAccessibleInterface* object = ObjectOf(message);
  QAccessibleTableInterface* table = object != nullptr ? object->tableInterface() : nullptr;
  if (table == nullptr) return true;
  const QString member = message.member();
  const QList<QVariant> arguments = message.arguments();
  const auto within = [&](int index, int count) {
    return index < arguments.size() && arguments[index].toInt() >= 0 &&
           arguments[index].toInt() < count;
  };
  const int rows = table->rowCount();
  const int columns = table->columnCount();
  if (arguments.isEmpty()) return true;
  if (member.endsWith(QLatin1String("AtIndex"))) return within(0, rows * columns);
  if (arguments.size() >= 2) return within(0, rows) && within(1, columns);
  if (member.contains(QLatin1String("Column"))) return within(0, columns);
  return !member.contains(QLatin1String("Row")) || within(0, rows);
}

// The arguments each of the bridge's calls takes ("ii" for "org.a11y.atspi.Text.GetText"), as its
// own description of the objects declares them. The bridge reads the arguments it expects
// without looking whether they came (Qt 6.4 to 6.11): a call with fewer ends the program.
class DeclaredCalls {
 public:
  // What the call takes; nothing where no object read so far declares it.
  std::optional<QString> Of(QDBusVirtualObject* bridge, const QDBusMessage& message) {
    const QString call = message.interface() + QLatin1Char('.') + message.member();
    if (!read_.contains(message.interface())) Read(bridge->introspect(message.path()));
    const auto found = signatures_.constFind(call);
    return found == signatures_.cend() ? std::nullopt : std::optional<QString>(*found);
  }

 private:
  void Read(const QString& description) {
    // The bridge describes an object's interfaces one after another, with no node around them.
    QXmlStreamReader xml(QLatin1String("<node>") + description + QLatin1String("</node>"));
    QString interface, call;
    while (!xml.atEnd()) {
      const auto token = xml.readNext();
      const auto attributes = xml.attributes();
      if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("method")) {
        call.clear();
      } else if (token != QXmlStreamReader::StartElement) {
        continue;
      } else if (xml.name() == QLatin1String("interface")) {
        interface = attributes.value(QLatin1String("name")).toString();
        read_.insert(interface);
      } else if (xml.name() == QLatin1String("method")) {
        call = interface + QLatin1Char('.') + attributes.value(QLatin1String("name")).toString();
        signatures_[call].clear();
      } else if (xml.name() == QLatin1String("arg") && !call.isEmpty() &&
                 attributes.value(QLatin1String("direction")) != QLatin1String("out")) {
        signatures_[call] += attributes.value(QLatin1String("type")).toString();
      }
    }
  }

  QSet<QString> read_;
  QHash<QString, QString> signatures_;
};

// Stands before Qt's AT-SPI bridge on the accessibility bus and hands it every call, with Qt's
// warnings kept off standard error, and with what any program on the bus may ask made safe
// first: a text range's extents with the range taken within the text (the bridge unites the
// box of each offset from the range's start to its end, one at a time: a range ending at
// INT_MAX never ends, and one of a billion offsets holds the window for seconds; a range within
// the text has the same extents, since an offset outside it has no box); a text to insert no
// longer than given nor than a field holds (the bridge pads it to the length asked, a 3 GB
// text for INT_MAX); refused: a call without the arguments it is declared to take, a property
// asked without its interface and name (the bridge reads both of GetAll too), an interface the
// object does not have, a row, column or cell the table does not have; and an answer to the
// bounded ranges query and to setting the application's id, which the bridge leaves without one.
class BridgeFront final : public QDBusVirtualObject {
 public:
  explicit BridgeFront(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), bridge_(bridge) {
    setObjectName(QStringLiteral("BridgeFront"));
  }

  QString introspect(const QString& path) const override { return bridge_->introspect(path); }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QString interface = message.interface();
    const QString member = message.member();
    const std::optional<QString> declared = declared_.Of(bridge_, message);
    const bool property = interface == QLatin1String("org.freedesktop.DBus.Properties");
    if ((declared && message.signature() != *declared) ||
        (property && !message.signature().startsWith(QLatin1String("ss")))) {
      return connection.send(message.createErrorReply(
          QDBusError::InvalidArgs, QStringLiteral("not the arguments the call takes")));
    }
    if (!Offers(message)) {
      return connection.send(message.createErrorReply(
          QDBusError::UnknownInterface, QStringLiteral("the object has no such interface")));
    }
    if (interface == QLatin1String("org.a11y.atspi.Table") && !InTable(message)) {
      return connection.send(message.createErrorReply(
          QDBusError::InvalidArgs, QStringLiteral("no such row, column or cell")));
    }
    const bool text = interface == QLatin1String("org.a11y.atspi.Text");
    if (text && member == QLatin1String("GetBoundedRanges")) {
      return connection.send(
          message.createErrorReply(QDBusError::NotSupported, QStringLiteral("not supported")));
    }
    QDBusMessage asked = message;
    if (text && member == QLatin1String("GetRangeExtents")) asked = WithinText(message);
    if (interface == QLatin1String("org.a11y.atspi.EditableText") &&
        member == QLatin1String("InsertText")) {
      asked = NoLongerThanGiven(message);
    }
    bool handled = false;
    AnswerWithoutWarnings([&] { handled = bridge_->handleMessage(asked, connection); });
    // The bridge takes the application's id without replying (Qt 6.4 to 6.11): whoever set it
    // would wait out its own timeout.
    const QList<QVariant> arguments = message.arguments();
    if (handled && property && member == QLatin1String("Set") &&
        arguments.value(0).toString() == QLatin1String("org.a11y.atspi.Application") &&
        arguments.value(1).toString() == QLatin1String("Id")) {
      connection.send(message.createReply());
    }
    return handled;
  }

 private:
  static QDBusMessage NoLongerThanGiven(QDBusMessage message) {
    QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 3) return message;
    const int given = int(std::min<qsizetype>(arguments[1].toString().size(), kFieldLength));
    arguments[2] = std::clamp(arguments[2].toInt(), 0, given);
    message.setArguments(arguments);
    return message;
  }

  static QDBusMessage WithinText(QDBusMessage message) {
    QList<QVariant> arguments = message.arguments();
    QAccessibleInterface* object = ObjectOf(message);
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
  DeclaredCalls declared_;
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
