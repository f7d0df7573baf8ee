#pragma once

#include <functional>

class QAccessibleInterface;
class QComboBox;
class QObject;
class QString;
class QWidget;

namespace platform::detail {

// The hidden notification that Announce shows where Qt has no announcement event (before
// Qt 6.8); nullptr for any other object.
QAccessibleInterface* AnnouncerInterface(QObject* object);

// Has a screen reader say `text` once, wherever the focus is: through Qt's announcement event
// from `content` (Qt 6.8 and later), or else through a notification hidden from sight among the
// widgets of `content`.
void Announce(QWidget* content, const QString& text);

// What a screen reader says of a live text that changed from `heard` to `now`.
using Saying = std::function<QString(const QString& heard, const QString& now)>;

// Has a screen reader say what `widget` says now, `spoken()`, which was `before`, with the other
// live texts of its window that changed with it, once the changes have stood for a moment: a
// burst of typing ends in one utterance, of the texts that stand when it pauses; a text already
// heard is not said again, nor an empty one. Each call starts the moment again: an edit that
// changes nothing heard (a decimal separator typed) is still typing. A text set while the widget
// is hidden is the window's opening state, not news. `say` words the change (the new text
// whole, unless given).
void AnnounceLive(QWidget* widget, const QString& before, std::function<QString()> spoken,
                  Saying say = {});

// Says of a text that changed in a few words `name` and those words alone: "Resistivity 0.028"
// for a formula whose coefficient changed.
Saying SayChangedWords(const QString& name);

// Has a screen reader say the row that has become `popup`'s current one, also while the popup is
// closed and Up, Down, Home or End changed it.
void AnnounceCurrentRow(QComboBox* popup);

// Runs `handle` with a field's selection changing not reported to a screen reader. Qt reports
// the selection a field loses or gains as the focus moves (the field left deselects, the field
// Tab reaches selects all) before it reports the focus itself, and Orca speaks each at once:
// "Text unselected." on every Tab and the new field's value twice. A screen reader reads the
// selection of the field that gets the focus from the field itself. Qt offers no other way to
// hold one event back than the update handler, which this takes over while `handle` runs: a
// field's handling of a focus change.
void WithSelectionUnreported(const std::function<void()>& handle);

}  // namespace platform::detail
