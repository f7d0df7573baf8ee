#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QBasicTimer>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "LineEdit.h"

namespace platform::detail {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The hidden widget whose showing a screen reader presents as a notification: Qt 6.4 has no
// announcement event.
class Announcer final : public QWidget {
 public:
  using QWidget::QWidget;
};

constexpr const char* kAnnouncerName = "platform.announcer";
#endif

// Where the character at `offset` of `text`, drawn by `widget` from the left of `box`, stands on
// the screen. Every character past as many as the box is pixels wide stands beyond its right
// edge, one pixel further each: the text before it is measured no further, so that a screen
// reader asking where each of a field's 32,767 characters stands is answered at once.
QRect CharacterBox(const QWidget* widget, const QRect& box, const QString& text, int offset) {
  const QFontMetrics metrics(widget->font());
  const int measured = std::min(offset, box.width() + 1);
  const int x = box.left() + metrics.horizontalAdvance(text.left(measured)) + (offset - measured);
  const QPoint corner = widget->mapToGlobal(QPoint(x, box.top()));
  return QRect(corner, QSize(metrics.horizontalAdvance(text.mid(offset, 1)), box.height()));
}

// A text with one set of attributes: one run covers it all. Qt 6.4's own interfaces answer the
// text-attributes query with an empty run (0, 0), and Orca cuts what it speaks of a selection
// by the run's end: "6" for a selected "60".
class OneRunText : public QAccessibleTextInterface {
 public:
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  int characterCount() const override { return int(Whole().size()); }
  QString text(int start, int end) const override { return Whole().mid(start, end - start); }

 protected:
  virtual QString Whole() const = 0;
};

// A field as a screen reader reads it: what Qt's own line edit interface offers, built on
// Qt's public accessibility classes, but for the text-attributes query.
class FieldAccessible final : public QAccessibleWidget,
                              public OneRunText,
                              public QAccessibleEditableTextInterface {
 public:
  explicit FieldAccessible(QLineEdit* field)
      : QAccessibleWidget(field, QAccessible::EditableText) {}

  using OneRunText::text;
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Field()->text();
    if (kind == QAccessible::Description) return Field()->Description();
    return QAccessibleWidget::text(kind);
  }
  void setText(QAccessible::Text kind, const QString& text) override {
    if (kind == QAccessible::Value) {
      Field()->setText(text);
    } else {
      QAccessibleWidget::setText(kind, text);
    }
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !Field()->isReadOnly();
    state.readOnly = Field()->isReadOnly();
    state.selectableText = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  // The text interface.
  int cursorPosition() const override { return Field()->cursorPosition(); }
  void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
  int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Field()->hasSelectedText()) return;
    *start = Field()->selectionStart();
    *end = *start + int(Field()->selectedText().size());
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void setSelection(int, int start, int end) override { Field()->setSelection(start, end - start); }
  void removeSelection(int) override { Field()->deselect(); }
  QRect characterRect(int offset) const override {
    return CharacterBox(Field(), Field()->contentsRect(), Field()->text(), offset);
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int end) override {
    Field()->setCursorPosition(end);
    Field()->setCursorPosition(start);
  }

  // The editable text interface.
  // Offsets outside the text are taken at its ends: Qt would pad the text with blanks up to
  // an offset past its end, a billion of them if asked.
  void deleteText(int start, int end) override {
    const auto [from, to] = Range(start, end);
    Field()->setText(Field()->text().remove(from, to - from));
  }
  void insertText(int offset, const QString& text) override {
    Field()->setText(Field()->text().insert(Range(offset, offset).first, text));
  }
  void replaceText(int start, int end, const QString& text) override {
    const auto [from, to] = Range(start, end);
    Field()->setText(Field()->text().replace(from, to - from, text));
  }

 private:
  QString Whole() const override { return Field()->text(); }
  LineEdit* Field() const { return static_cast<LineEdit*>(widget()); }
  std::pair<qsizetype, qsizetype> Range(int start, int end) const {
    const qsizetype size = Field()->text().size();
    const qsizetype from = std::clamp<qsizetype>(start, 0, size);
    return {from, std::clamp<qsizetype>(end, from, size)};
  }
};

// A popup as a screen reader reads it. Qt names a popup after its current row on Linux, so Orca
// said "Copper combo box": here the popup keeps its own name ("Material") and answers with the
// current row as its value and its text, which Orca 43 reads as the popup's value. Orca 48 and
// later read the row the popup's selection holds instead, and hear a new one when Qt reports
// the popup's value changed: from Qt 6.5, which has the selection interface, the current row
// is the popup's one selected item. Its one child is the list of rows, as in Qt.
class PopupAccessible final : public QAccessibleWidget,
                              public OneRunText
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    ,
                              public QAccessibleSelectionInterface
#endif
{
 public:
  explicit PopupAccessible(QComboBox* popup) : QAccessibleWidget(popup, QAccessible::ComboBox) {}

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::queryAccessibleInterface(Popup()->view()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr && child->object() == Popup()->view() ? 0 : -1;
  }
  using OneRunText::text;
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Popup()->currentText();
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return Popup()->currentText();
    }
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Popup()->view()->isVisible();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction()) return QAccessibleWidget::doAction(action);
    if (Popup()->view()->isVisible()) {
      Popup()->hidePopup();
    } else {
      Popup()->showPopup();
    }
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (type == QAccessible::SelectionInterface) {
      return static_cast<QAccessibleSelectionInterface*>(this);
    }
#endif
    return QAccessibleWidget::interface_cast(type);
  }

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // The selection interface: the current row, chosen with the popup's own keys, not from here.
  int selectedItemCount() const override { return CurrentRow() != nullptr ? 1 : 0; }
  QList<QAccessibleInterface*> selectedItems() const override {
    QAccessibleInterface* row = CurrentRow();
    return row != nullptr ? QList<QAccessibleInterface*>{row} : QList<QAccessibleInterface*>{};
  }
  bool select(QAccessibleInterface*) override { return false; }
  bool unselect(QAccessibleInterface*) override { return false; }
  bool selectAll() override { return false; }
  bool clear() override { return false; }
#endif

  // The text interface: the current row's text, read-only, nothing selected.
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  int selectionCount() const override { return 0; }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  void addSelection(int, int) override {}
  void setSelection(int, int, int) override {}
  void removeSelection(int) override {}
  // Where the row's text stands, so that a screen reader's review of the screen finds it there.
  QRect characterRect(int offset) const override {
    QStyleOptionComboBox option;
    option.initFrom(Popup());
    const QRect field = Popup()->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, Popup());
    return CharacterBox(Popup(), field, Popup()->currentText(), offset);
  }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}

 private:
  QString Whole() const override { return Popup()->currentText(); }
  QComboBox* Popup() const { return static_cast<QComboBox*>(widget()); }
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  QAccessibleInterface* CurrentRow() const {
    QAccessibleInterface* list = child(0);
    QAccessibleTableInterface* rows = list != nullptr ? list->tableInterface() : nullptr;
    const int row = Popup()->currentIndex();
    return rows != nullptr && row >= 0 ? rows->cellAt(row, Popup()->modelColumn()) : nullptr;
  }
#endif
};

// The window's status line: a label, whose text is its name, in the role a screen reader
// looks for when asked to read the window's status bar.
class StatusLineAccessible final : public QAccessibleWidget {
 public:
  explicit StatusLineAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<QLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
  }
};

constexpr const char* kStatusLine = "platform.statusLine";
constexpr const char* kLiveTextsName = "platform.liveTexts";

// How long the live texts must stand before they are said: longer than the pause between two
// keys of someone typing a number.
constexpr int kSettle = 500;  // milliseconds

// The live labels of one window whose texts changed, and what a screen reader last heard of
// each.
class LiveTexts final : public QObject {
 public:
  using QObject::QObject;

  void Changed(QLabel* label, const QString& before) {
    auto heard = std::find_if(heard_.begin(), heard_.end(),
                              [label](const Heard& each) { return each.label == label; });
    if (heard == heard_.end()) heard = heard_.insert(heard_.end(), {label, before});
    if (!label->isVisible()) {
      heard->text = label->text();
      return;
    }
    settle_.start(kSettle, this);
  }

 protected:
  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() != settle_.timerId()) return QObject::timerEvent(event);
    settle_.stop();
    std::erase_if(heard_, [](const Heard& each) { return each.label.isNull(); });
    // In reading order: the formula above the result.
    std::sort(heard_.begin(), heard_.end(),
              [](const Heard& a, const Heard& b) { return a.label->y() < b.label->y(); });
    QString news;
    for (Heard& each : heard_) {
      if (each.label->text() == each.text || !each.label->isVisible()) continue;
      each.text = each.label->text();
      if (!news.isEmpty())
        news += news.endsWith(QLatin1Char('.')) ? QLatin1String(" ") : QLatin1String(". ");
      news += each.text;
    }
    if (!news.isEmpty()) Announce(static_cast<QWidget*>(parent()), news);
  }

 private:
  struct Heard {
    QPointer<QLabel> label;
    QString text;
  };
  std::vector<Heard> heard_;
  QBasicTimer settle_;
};

// The handler that was in force when a SelectionUnreported took over: none, or a test's.
QAccessible::UpdateHandler outerHandler = nullptr;

// Every event but a selection change goes on as it would have: to that handler, or to the
// screen reader through Qt's own bridge.
void ReportAllButSelection(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextSelectionChanged) return;
  if (outerHandler != nullptr) return outerHandler(event);
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(ReportAllButSelection);
}

QAccessibleInterface* Interface(const QString&, QObject* object) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  if (auto* announcer = dynamic_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
#endif
  if (auto* field = dynamic_cast<LineEdit*>(object)) return new FieldAccessible(field);
  if (auto* label = dynamic_cast<QLabel*>(object); label && label->property(kStatusLine).toBool()) {
    return new StatusLineAccessible(label);
  }
  if (auto* popup = dynamic_cast<QComboBox*>(object)) return new PopupAccessible(popup);
  return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Interface); }

void AnnounceLive(QLabel* label, const QString& before) {
  if (!QAccessible::isActive()) return;
  QWidget* content = label->parentWidget();
  // Found by name: qobject_cast knows no class without Qt's meta-object.
  auto* live = static_cast<LiveTexts*>(
      content->findChild<QObject*>(QLatin1String(kLiveTextsName), Qt::FindDirectChildrenOnly));
  if (live == nullptr) {
    live = new LiveTexts(content);
    live->setObjectName(QLatin1String(kLiveTextsName));
  }
  live->Changed(label, before);
}

void MakeStatusLine(QLabel* label) { label->setProperty(kStatusLine, true); }

void AnnounceCurrentRow(QComboBox* popup) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
  // Qt reports the popup's new value itself, and Orca reads the row from its selection.
  Q_UNUSED(popup);
#else
  // The popup's list of rows reports its new current row, which Orca speaks, as it does when a
  // typed letter picks a row through the list: it follows the popup's row, open or closed. Qt
  // builds the list only when it is first needed, so it is left alone without a screen reader.
  if (!QAccessible::isActive()) return;
  popup->view()->setCurrentIndex(
      popup->model()->index(popup->currentIndex(), popup->modelColumn()));
#endif
}

SelectionUnreported::SelectionUnreported()
    : outer_(QAccessible::installUpdateHandler(ReportAllButSelection)) {
  if (outer_ != ReportAllButSelection) outerHandler = outer_;
}

SelectionUnreported::~SelectionUnreported() { QAccessible::installUpdateHandler(outer_); }

void Announce(QWidget* content, const QString& text) {
  if (!QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(content, text);
  QAccessible::updateAccessibility(&announcement);
#else
  auto* announcer = content->findChild<QWidget*>(QLatin1String(kAnnouncerName));
  if (announcer == nullptr) {
    announcer = new Announcer(content);
    announcer->setObjectName(QLatin1String(kAnnouncerName));
    announcer->setGeometry(0, 0, 0, 0);
  }
  announcer->setAccessibleName(text);
  announcer->hide();
  announcer->show();
#endif
}

}  // namespace platform::detail
