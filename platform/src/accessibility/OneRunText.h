#pragma once

#include <QAccessibleInterface>
#include <QString>

namespace platform::detail {

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

}  // namespace platform::detail
