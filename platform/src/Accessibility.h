#pragma once

class QComboBox;
class QString;
class QWidget;

// What a screen reader needs of the platform's widgets beyond what Qt gives them. Qt creates an
// accessible interface only when an assistive technology asks for one, and announces only
// while one listens: none of this costs anything without a screen reader.
namespace platform::detail {

// Installs the platform's accessible interfaces; the runtime calls it once.
void InstallAccessibility();

// Has a screen reader say `text` once, wherever the focus is: through a notification, hidden
// from sight, among the widgets of `content`.
void Announce(QWidget* content, const QString& text);

// Has a screen reader say the row that has become `popup`'s current one, also while the popup is
// closed and Up, Down, Home or End changed it.
void AnnounceCurrentRow(QComboBox* popup);

}  // namespace platform::detail
