#include "accessibility/Announce.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QBasicTimer>
#include <QComboBox>
#include <QPointer>
#include <QTimerEvent>
#include <algorithm>
#include <vector>

#include "platform/QtAccess.h"

namespace platform::detail {
namespace {

// How long the live texts must stand before they are said: longer than the pause between two
// keys of someone typing a number.
int settle = 500;  // milliseconds

// The live texts of one window that changed, and what a screen reader last heard of each.
class LiveTexts final : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  void Changed(QWidget* widget, const QString& before, std::function<QString()> spoken,
               Saying say) {
    auto heard = std::find_if(heard_.begin(), heard_.end(),
                              [widget](const Heard& each) { return each.widget == widget; });
    if (heard == heard_.end())
      heard = heard_.insert(heard_.end(), {widget, std::move(spoken), std::move(say), before});
    if (!widget->isVisible()) {
      heard->text = heard->spoken();
      return;
    }
    settle_.start(settle, this);
  }

 protected:
  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() != settle_.timerId()) return QObject::timerEvent(event);
    settle_.stop();
    std::erase_if(heard_, [](const Heard& each) { return each.widget.isNull(); });
    // In reading order: the formula above the fields, the result below them.
    std::sort(heard_.begin(), heard_.end(),
              [](const Heard& a, const Heard& b) { return a.widget->y() < b.widget->y(); });
    QString news;
    for (Heard& each : heard_) {
      const QString now = each.spoken();
      if (now == each.text || !each.widget->isVisible()) continue;
      const QString said = each.say ? each.say(each.text, now) : now;
      each.text = now;
      if (said.isEmpty()) continue;
      if (!news.isEmpty())
        news += news.endsWith(QLatin1Char('.')) ? QLatin1String(" ") : QLatin1String(". ");
      news += said;
    }
    if (!news.isEmpty()) Announce(qobject_cast<QWidget*>(parent()), news);
  }

 private:
  struct Heard {
    QPointer<QWidget> widget;
    std::function<QString()> spoken;
    Saying say;
    QString text;  // as last heard
  };
  std::vector<Heard> heard_;
  QBasicTimer settle_;
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The hidden widget whose showing a screen reader presents as a notification: Qt 6.4 has no
// announcement event.
class Announcer final : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};
#endif

// The handler that was in force when the selection went unreported: none, or a test's.
QAccessible::UpdateHandler outerHandler = nullptr;

// Every event but a selection change goes on as it would have: to that handler, or to the
// screen reader through Qt's own bridge, which Qt calls only while no handler is installed.
void ReportAllButSelection(QAccessibleEvent* event) {
  if (event->type() == QAccessible::TextSelectionChanged) return;
  if (outerHandler != nullptr) return outerHandler(event);
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(ReportAllButSelection);
}

}  // namespace

QAccessibleInterface* AnnouncerInterface(QObject* object) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  if (auto* announcer = qobject_cast<Announcer*>(object)) {
    return new QAccessibleWidget(announcer, QAccessible::Notification);
  }
#endif
  Q_UNUSED(object);
  return nullptr;
}

void Announce(QWidget* content, const QString& text) {
  if (!QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(content, text);
  QAccessible::updateAccessibility(&announcement);
#else
  auto* announcer = content->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
  if (announcer == nullptr) {
    announcer = new Announcer(content);
    announcer->setGeometry(0, 0, 0, 0);
  }
  announcer->setAccessibleName(text);
  announcer->hide();
  announcer->show();
#endif
}

void AnnounceLive(QWidget* widget, const QString& before, std::function<QString()> spoken,
                  Saying say) {
  if (!QAccessible::isActive()) return;
  QWidget* content = widget->parentWidget();
  auto* live = content->findChild<LiveTexts*>(QString(), Qt::FindDirectChildrenOnly);
  if (live == nullptr) live = new LiveTexts(content);
  live->Changed(widget, before, std::move(spoken), std::move(say));
}

Saying SayChangedWords(const QString& name) {
  return [name](const QString& heard, const QString& now) {
    const QStringList was = heard.split(QLatin1Char(' '));
    const QStringList is = now.split(QLatin1Char(' '));
    qsizetype first = 0;  // words alike at the start
    while (first < was.size() && first < is.size() && was[first] == is[first]) ++first;
    qsizetype last = 0;  // and at the end
    while (last < was.size() - first && last < is.size() - first &&
           was[was.size() - 1 - last] == is[is.size() - 1 - last]) {
      ++last;
    }
    const QStringList changed = is.mid(first, is.size() - first - last);
    // A text that changed beyond a few words is said whole.
    if (changed.isEmpty() || changed.size() > 3) return now;
    return name + QLatin1Char(' ') + changed.join(QLatin1Char(' '));
  };
}

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

void WithSelectionUnreported(const std::function<void()>& handle) {
  const QAccessible::UpdateHandler outer = QAccessible::installUpdateHandler(ReportAllButSelection);
  if (outer != ReportAllButSelection) outerHandler = outer;
  handle();
  QAccessible::installUpdateHandler(outer);
}

}  // namespace platform::detail

void platform::SetLiveTextSettle(int milliseconds) { detail::settle = milliseconds; }

#include "Announce.moc"
