// A random user on the real window: thousands of steps of what a person can do, with the
// window's invariants checked after each one against a computation written here, apart from
// the code under test. A failure prints its seed and the shortest step list that still fails.

#include <locale.h>

#include <QClipboard>
#include <QComboBox>
#include <QtTest>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "RecordingWindow.h"
#include "TestMain.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "platform/Application.h"

namespace {

constexpr double kPi = 3.141592653589793;
const double kResistivity[] = {0.0175, 0.028, 0.023, 0.016, 0.098, 0.221};
const char* const kResistivityText[] = {"0.0175", "0.028", "0.023", "0.016", "0.098", "0.221"};

// --- The rules of reading and writing numbers, as the user is told them. ---

// C's own number rules, whatever locale the test runs under. Qt sets the C library's locale
// from the environment on Unix; Windows' C runtime starts in "C" and Qt leaves it there.
#if defined(_WIN32)
double StrtodC(const char* text) { return std::strtod(text, nullptr); }

template <class... Args>
void SnprintfC(char* buffer, std::size_t size, const char* format, Args... args) {
  std::snprintf(buffer, size, format, args...);
}
#else
locale_t CNumbers() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return c;
}

double StrtodC(const char* text) { return strtod_l(text, nullptr, CNumbers()); }

template <class... Args>
void SnprintfC(char* buffer, std::size_t size, const char* format, Args... args) {
  const locale_t previous = uselocale(CNumbers());
  std::snprintf(buffer, size, format, args...);
  uselocale(previous);
}
#endif

// The number at s[i] in groups of three digits set off by spaces, as far as they go, and its
// fraction after a '.' or ',', without the spaces; empty where no group is.
std::string SpaceGrouped(const std::string& s, std::size_t i) {
  const auto digits = [&](std::size_t at, std::size_t n) {
    return s.size() >= at + n && std::all_of(s.begin() + at, s.begin() + at + n, ::isdigit);
  };
  std::size_t end = i;
  while (digits(end, 1) && end - i < 3) ++end;
  std::string number = s.substr(i, end - i);
  for (; end > i && s[i] != '0' && s.compare(end, 1, " ") == 0 && digits(end + 1, 3) &&
         !digits(end + 4, 1);
       end += 4) {
    number += s.substr(end + 1, 3);
  }
  if (number.size() == end - i) return {};
  if (end < s.size() && (s[end] == '.' || s[end] == ',')) number += '.' + s.substr(end + 1);
  return number.substr(0, number.find_first_not_of("0123456789.", 0));
}

// Skips blanks, takes one sign, then the longest decimal number, whose decimal separator is
// the '.' or ',' right after its integer digits, or the number in groups of digits set off by
// spaces; no number reads as 0.
double ReadNumber(const QString& text) {
  const std::string s = text.toStdString();
  std::size_t i = s.find_first_not_of(" \t\n\r\v\f");
  if (i == std::string::npos) return 0;
  const bool negative = s[i] == '-';
  if (s[i] == '-' || s[i] == '+') ++i;
  const std::string rest = s.substr(i, 8);
  const auto startsWith = [&](std::string_view prefix) {
    return rest.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), rest.begin(), [](char a, char b) {
             return static_cast<unsigned char>(a) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  double magnitude;
  if (startsWith("\u221E") || startsWith("inf")) {
    magnitude = INFINITY;
  } else if (startsWith("nan")) {
    magnitude = NAN;
  } else if (const std::string grouped = SpaceGrouped(s, i); !grouped.empty()) {
    magnitude = StrtodC(grouped.c_str());
  } else {
    std::size_t end = i;
    const auto digits = [&] {
      const std::size_t from = end;
      while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
      return end - from;
    };
    std::size_t count = digits();
    std::string number = s.substr(i, end - i);
    if (end < s.size() && (s[end] == '.' || s[end] == ',')) {
      ++end;
      const std::size_t from = end;
      count += digits();
      number.append(1, '.').append(s, from, end - from);
    }
    if (count == 0) return 0;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
      const std::size_t mark = end++;
      if (end < s.size() && (s[end] == '+' || s[end] == '-')) ++end;
      if (digits() != 0) number += s.substr(mark, end - mark);
    }
    magnitude = StrtodC(number.c_str());
  }
  return negative ? -magnitude : magnitude;
}

// Rounded to `decimals` (to nearest, ties to even, on the exact binary value, as C's printf
// does), trailing zeros dropped, scientific from 1e15, no "-0".
QString WriteRounded(double value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-\u221E" : "\u221E";
  const bool scientific = std::fabs(value) >= 1e15;
  char buffer[400];
  SnprintfC(buffer, sizeof buffer, scientific ? "%.*e" : "%.*f", decimals, value);
  QString text = QString::fromLatin1(buffer);
  const qsizetype e = scientific ? text.indexOf('e') : text.size();
  QString mantissa = text.left(e);
  if (mantissa.contains('.')) {
    while (mantissa.endsWith('0')) mantissa.chop(1);
    if (mantissa.endsWith('.')) mantissa.chop(1);
  }
  text = mantissa + text.mid(e);
  return text == "-0" ? "0" : text;
}

bool SameDouble(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) ||
         std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// --- What a person can do. ---

enum class Action {
  Type,
  Backspace,
  Delete,
  Arrow,
  Tab,
  SelectAllKeys,
  PasteKeys,
  UndoKeys,
  ClickField,
  MenuCommand,
  PickByKeyboard,
  PickByMouse
};

struct Step {
  Action action;
  QString text;  // what is typed or put on the clipboard
  int number;    // key, field, row or menu item, by action
};

const char* const kFields[] = {"lenght", "diameter", "areafld", "current"};
const char* const kMenuCommands[] = {"EditUndo",  "EditCut",   "EditCopy",
                                     "EditPaste", "EditClear", "EditSelectAll"};

QString Describe(const Step& step) {
  static const char* const names[] = {"type",  "backspace", "delete",           "arrow",
                                      "tab",   "ctrl+a",    "ctrl+v",           "ctrl+z",
                                      "click", "menu",      "pick by keyboard", "pick by mouse"};
  QString text = names[static_cast<int>(step.action)];
  if (!step.text.isEmpty())
    text += " \"" + step.text.left(40) + (step.text.size() > 40 ? "…\"" : "\"");
  return text + " #" + QString::number(step.number);
}

QString RandomText(std::mt19937& random) {
  static const QStringList odd = {"1e400", "-1e-400", "\u221E",       "NaN",         "inf",   "-0",
                                  "0x1F",  "1,5",     "2,5e1",        "  12  ",      "\t3\n", "1e",
                                  "--2",   ".",       "\u00E9\u4E2D", "\u0001\u007F"};
  const int kind = std::uniform_int_distribution<int>(0, 3)(random);
  if (kind == 0) return odd[std::uniform_int_distribution<int>(0, int(odd.size()) - 1)(random)];
  if (kind == 1) return QString(std::uniform_int_distribution<int>(1000, 20000)(random), '7');
  QString text;
  static const QString alphabet = "0123456789.-e+E abx\u00E9\u221E,";
  const int length = std::uniform_int_distribution<int>(1, 12)(random);
  for (int i = 0; i < length; ++i) {
    text += alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(random)];
  }
  return text;
}

Step RandomStep(std::mt19937& random) {
  const auto pick = [&](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  const int roll = pick(0, 99);
  if (roll < 40) {
    static const QString typed = "0123456789.-e E+x\u00E9\u221E\t";
    return {Action::Type, QString(typed[pick(0, int(typed.size()) - 1)]), 0};
  }
  if (roll < 48) return {Action::Backspace, {}, 0};
  if (roll < 52) return {Action::Delete, {}, 0};
  if (roll < 58) return {Action::Arrow, {}, pick(0, 3)};
  if (roll < 63) return {Action::Tab, {}, pick(0, 1)};
  if (roll < 67) return {Action::SelectAllKeys, {}, 0};
  if (roll < 71) return {Action::PasteKeys, RandomText(random), 0};
  if (roll < 74) return {Action::UndoKeys, {}, 0};
  if (roll < 84) return {Action::ClickField, {}, pick(0, 3)};
  if (roll < 92) return {Action::MenuCommand, RandomText(random), pick(0, 5)};
  if (roll < 96) return {Action::PickByKeyboard, {}, pick(0, 1)};
  return {Action::PickByMouse, {}, pick(0, 5)};
}

void Key(QWidget* widget, int key, const QString& text = {},
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QWidget* now = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(now, &release);
}

// --- The run. ---

class Run {
 public:
  explicit Run(const QList<Step>& steps) : steps_(steps) {}

  // The index of the first step after which an invariant broke, with why; -1 if none did.
  int Execute(QString* why) {
    window_ = &RecordingWindow::OpenNew();
    if (!QTest::qWaitForWindowActive(platform::WidgetOf(*window_))) {
      *why = "the window never became active";
      return 0;
    }
    for (int i = 0; i < steps_.size(); ++i) {
      Perform(steps_[i]);
      if (const QString broken = Check(); !broken.isEmpty()) {
        *why = broken;
        return i;
      }
    }
    return -1;
  }

 private:
  QWidget* Focused() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : platform::WidgetOf(*window_);
  }

  void Perform(const Step& step) {
    QWidget* focus = Focused();
    const QString focusName = focus->objectName();
    const QString before =
        qobject_cast<QLineEdit*>(focus) ? static_cast<QLineEdit*>(focus)->text() : QString();
    bool keyInField = true;
    switch (step.action) {
      case Action::Type: {
        const QChar c = step.text[0];
        const int key = c == '\t'            ? int(Qt::Key_Tab)
                        : c.unicode() < 0x80 ? int(c.toUpper().unicode())
                                             : int(Qt::Key_unknown);
        keyInField = c != '\t';
        Key(focus, key, step.text);
        break;
      }
      case Action::Backspace:
        Key(focus, Qt::Key_Backspace, "\b");
        break;
      case Action::Delete:
        Key(focus, Qt::Key_Delete, "\x7F");
        break;
      case Action::Arrow: {
        static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
        Key(focus, keys[step.number]);
        break;
      }
      case Action::Tab:
        keyInField = false;
        Key(focus, step.number ? Qt::Key_Backtab : Qt::Key_Tab, {},
            step.number ? Qt::ShiftModifier : Qt::NoModifier);
        break;
      case Action::SelectAllKeys:
        Key(focus, Qt::Key_A, "\x01", Qt::ControlModifier);
        break;
      case Action::PasteKeys:
        QGuiApplication::clipboard()->setText(step.text);
        Key(focus, Qt::Key_V, "\x16", Qt::ControlModifier);
        break;
      case Action::UndoKeys:
        Key(focus, Qt::Key_Z, "\x1A", Qt::ControlModifier);
        break;
      case Action::ClickField:
        keyInField = false;
        QTest::mouseClick(FieldNamed(*window_, kFields[step.number]), Qt::LeftButton, {},
                          QPoint(5 + step.number * 7, 10));
        break;
      case Action::MenuCommand: {
        keyInField = false;
        if (QString(kMenuCommands[step.number]) == "EditPaste")
          QGuiApplication::clipboard()->setText(step.text);
        window_->GetMenuBar()->Lookup(kMenuCommands[step.number])->Action();
        break;
      }
      case Action::PickByKeyboard:
        keyInField = false;
        WidgetNamed(*window_, "PopupMenu1")->setFocus();
        Key(Focused(), step.number ? Qt::Key_Down : Qt::Key_Up);
        break;
      case Action::PickByMouse:
        keyInField = false;
        static_cast<QComboBox*>(WidgetNamed(*window_, "PopupMenu1"))->setCurrentIndex(step.number);
        break;
    }
    // Which of the coupled fields the user edited last decides which one follows the other.
    if (focusName == "diameter" || focusName == "areafld") {
      const QString after = static_cast<QLineEdit*>(focus)->text();
      if ((keyInField && step.action != Action::Tab) || after != before) lastCoupled_ = focusName;
    }
  }

  QString Check() const {
    if (platform::TakePendingException()) return "an exception reached the error report";
    const int row = static_cast<QComboBox*>(WidgetNamed(*window_, "PopupMenu1"))->currentIndex();
    if (row < 0 || row > 5) return "no material is selected";
    const QString formula =
        QString("Vd (20\u00B0C) = ( Length x Current x ") + kResistivityText[row] + " ) / Area";
    if (TextOf(window_->form()) != formula) return "formula line " + TextOf(window_->form());

    const double d = ReadNumber(TextOf(window_->diameter()));
    const double area = ((d * kPi) * d) / 4;
    const double drop = (kResistivity[row] * (ReadNumber(TextOf(window_->current())) *
                                              ReadNumber(TextOf(window_->lenght())))) /
                        area;
    const QString expected = "Voltage drop = " + WriteRounded(drop, 3) + "V";
    if (TextOf(window_->result()) != expected) {
      return "result \"" + TextOf(window_->result()) + "\", expected \"" + expected + "\"";
    }
    // The calculation core, as the command line uses it, agrees to the bit on the same texts.
    const double coreDrop =
        calc::VoltageDrop(calc::kMaterials[std::size_t(row)].resistivity, window_->current().Text(),
                          window_->lenght().Text(), window_->diameter().Text());
    if (!SameDouble(coreDrop, drop) || calc::ResultLine(coreDrop) != expected.toStdString()) {
      return "the core computes " + QString::fromStdString(calc::ResultLine(coreDrop));
    }
    const QString areaText = TextOf(window_->areafld());
    const QString diameterText = TextOf(window_->diameter());
    if (lastCoupled_ == "diameter" && !SameDouble(ReadNumber(areaText), area)) {
      return "cross-section \"" + areaText + "\" does not follow diameter \"" +
             diameterText.left(40) + "\"";
    }
    if (lastCoupled_ == "areafld") {
      const double diameter = std::sqrt(ReadNumber(areaText) / kPi) * 2;
      if (!SameDouble(ReadNumber(diameterText), diameter)) {
        return "diameter \"" + diameterText + "\" does not follow cross-section \"" +
               areaText.left(40) + "\"";
      }
    }
    return {};
  }

  QList<Step> steps_;
  RecordingWindow* window_ = nullptr;
  QString lastCoupled_;
};

// The shortest list found by dropping ever smaller runs of steps while the run still fails.
QList<Step> Shrink(QList<Step> steps) {
  QString why;
  steps = steps.mid(0, Run(steps).Execute(&why) + 1);
  for (qsizetype chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
    for (qsizetype at = 0; at + chunk <= steps.size();) {
      QList<Step> candidate = steps;
      candidate.remove(at, chunk);
      if (Run(candidate).Execute(&why) >= 0) {
        steps = candidate;
      } else {
        at += chunk;
      }
    }
  }
  return steps;
}

}  // namespace

class RandomUserTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { platform::DestroyAllWindows(); }

  void invariantsHoldAfterEveryStep_data() {
    QTest::addColumn<unsigned>("seed");
    const char* fromEnvironment = std::getenv("RANDOM_USER_SEED");
    if (fromEnvironment != nullptr) {
      QTest::newRow("seed from RANDOM_USER_SEED")
          << unsigned(std::strtoul(fromEnvironment, nullptr, 10));
      return;
    }
    for (const unsigned seed : {1u, 2u, 3u, 20261207u, 4242u}) {
      QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
  }

  void invariantsHoldAfterEveryStep() {
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    QList<Step> steps;
    for (int i = 0; i < 3000; ++i) steps << RandomStep(random);
    QString why;
    const int failedAt = Run(steps).Execute(&why);
    if (failedAt < 0) return;
    QStringList shortest;
    for (const Step& step : Shrink(steps)) shortest << Describe(step);
    QFAIL(qPrintable(QString("seed %1: after step %2, %3\nshortest failing steps:\n  %4")
                         .arg(seed)
                         .arg(failedAt)
                         .arg(why, shortest.join("\n  "))));
  }

  // The test's own reading and writing of numbers, where the rules are plain.
  void theTestsOwnReadingIsRight_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("blanks and sign") << " \t-1.5e1x" << -15.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("bare exponent") << "2e+" << 2.0;
    QTest::newRow("overflow") << "1e999" << double(INFINITY);
    QTest::newRow("decimal comma") << "2,5e1" << 25.0;
    QTest::newRow("a point number stops at a comma") << "1.5,5" << 1.5;
    QTest::newRow("spaces group digits, as far as they go") << "1 234 567,5 000" << 1234567.5;
    QTest::newRow("a group of four digits is none") << "12 3456" << 12.0;
  }

  void theTestsOwnReadingIsRight() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadNumber(text), value);
  }

  void theTestsOwnWritingIsRight_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("negative zero after rounding") << -0.0001 << "0";
    QTest::newRow("scientific from 1e15") << 1.23456e20 << "1.235e+20";
    QTest::newRow("an exact tie rounds to even") << 0.0625 << "0.062";
    QTest::newRow("trailing zeros dropped") << 1.5 << "1.5";
  }

  void theTestsOwnWritingIsRight() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(WriteRounded(value, 3), text);
  }
};

PLATFORM_TEST_MAIN(RandomUserTest)
#include "tst_random_user.moc"
