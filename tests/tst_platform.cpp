#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QtTest>
#include <thread>

#include "TestMain.h"
#include "TestWindow.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Menu.h"

using platform::TextField;

namespace {

// A window whose one label captions the control named `target`.
class CaptionedWindow : public platform::Window {
 public:
  explicit CaptionedWindow(std::string target) : target_(std::move(target)) {}

 protected:
  void Layout() override { Apply({.width = 100, .height = 60}); }
  void CreateControls() override {
    AddControl("label", New<platform::Label>());
    ControlAs<platform::Label>("label").Apply({.text = "Caption:", .captions = target_});
    AddControl("other", New<platform::Label>());
  }

 private:
  std::string target_;
};

}  // namespace

#if defined(__linux__)
// Cuts the application's X connection and makes Xlib, not xcb, be the first to use it.
void BreakXConnectionThroughXlib();
// Takes the X focus from every window, releases the key (XTEST) and gives the focus back,
// all before Qt reads a word of it.
void ReleaseKeyWhileTheFocusIsElsewhere(const char* key);
// Sends the window a press of the key with XSendEvent, as another program can.
void SendKeyPressAsAnotherProgram(const char* key, unsigned long window);
// Gives the X focus to a window of no program's, and returns it.
unsigned long TakeTheXFocusAway();
#else
unsigned long TakeTheXFocusAway() { return 0; }
void ReleaseKeyWhileTheFocusIsElsewhere(const char*) {}
void SendKeyPressAsAnotherProgram(const char*, unsigned long) {}
#endif

namespace {

struct HandlerFailure : std::runtime_error {
  HandlerFailure() : std::runtime_error("handler failed") {}
};

struct ReleaseCount : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::KeyRelease;
    return false;
  }
};

void SendKey(QWidget* widget, QEvent::Type type, Qt::Key key, const QString& text,
             bool autoRepeat) {
  QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

  TestWindow* window = nullptr;

 private slots:
  void init() {
    window = &TestWindow::OpenNew();
    QVERIFY(QTest::qWaitForWindowActive(platform::WidgetOf(*window)));
    LineEditOf(window->first())->setFocus();
    window->events.clear();
  }

  void cleanup() {
    platform::TakePendingException();
    platform::DestroyAllWindows();
  }

  void openIsRaisedOnceAfterConstruction() {
    auto& fresh = TestWindow::OpenNew();
    QCOMPARE(fresh.events, QStringList{"popup:Open"});
  }

  void addingRowsSelectsNothing() {
    auto& popup = window->popup();
    for (const char* row : {"a", "b", "c", "d", "e", "f"}) popup.AddRow(row);
    QCOMPARE(popup.ListIndex(), -1);
    QCOMPARE(window->events, QStringList());
    popup.SetListIndex(0);
    QCOMPARE(popup.ListIndex(), 0);
    QCOMPARE(popup.RowText(0), std::string("a"));
    QCOMPARE(window->events, QStringList{"popup:Change"});
  }

  void changeOnlyWhenTheSelectionChanges() {
    auto& popup = window->popup();
    popup.AddRow("a");
    popup.AddRow("b");
    popup.SetListIndex(1);
    popup.SetListIndex(1);
    popup.SetListIndex(-1);
    popup.SetListIndex(-1);
    QCOMPARE(window->events, QStringList({"popup:Change", "popup:Change"}));
  }

  // With the list closed, and in the open list by the keypad's Enter, which only a screen
  // reader's Where Am I keeps from choosing.
  void userPickRaisesChangeOnce() {
    auto& popup = window->popup();
    for (const char* row : {"a", "b", "c"}) popup.AddRow(row);
    popup.SetListIndex(0);
    window->events.clear();
    auto* combo = static_cast<QComboBox*>(platform::WidgetOf(popup));
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(popup.ListIndex(), 1);
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(popup.ListIndex(), 2);
    QCOMPARE(window->events, QStringList({"popup:Change", "popup:Change"}));
  }

  void rowsOutOfRangeAreRefused() {
    auto& popup = window->popup();
    popup.AddRow("a");
    QVERIFY_THROWS_EXCEPTION(platform::OutOfBoundsException, popup.SetListIndex(1));
    QVERIFY_THROWS_EXCEPTION(platform::OutOfBoundsException, popup.SetListIndex(-2));
    QVERIFY_THROWS_EXCEPTION(platform::OutOfBoundsException, popup.RowTag(-1));
    QVERIFY_THROWS_EXCEPTION(platform::OutOfBoundsException, popup.SetRowTag(1, {}));
  }

  void rowTagsHoldExactDoubles() {
    auto& popup = window->popup();
    popup.AddRow("a");
    QVERIFY(popup.RowTag(0).IsEmpty());
    popup.SetRowTag(0, platform::DoubleToVariant(0.0175));
    QCOMPARE(platform::VariantToDouble(popup.RowTag(0)), 0.0175);
  }

  void typingRaisesTextChangeThenKeyUp() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5, Qt::NoModifier);
    QTRY_COMPARE(window->events, QStringList({"first:TextChange", "first:KeyUp:5"}));
  }

  void keysThatChangeNothingStillRaiseKeyUp() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTRY_COMPARE(window->events, QStringList{"first:KeyUp:"});
  }

  void programWritesRaiseNoKeyUp() {
    window->first().SetText("12");
    QCOMPARE(window->events, QStringList{"first:TextChange"});
  }

  void autoRepeatIsNotARelease() {
    QWidget* field = QApplication::focusWidget();
    SendKey(field, QEvent::KeyPress, Qt::Key_7, "7", false);
    for (int i = 0; i < 3; ++i) {
      SendKey(field, QEvent::KeyRelease, Qt::Key_7, "7", true);
      SendKey(field, QEvent::KeyPress, Qt::Key_7, "7", true);
    }
    SendKey(field, QEvent::KeyRelease, Qt::Key_7, "7", false);
    QCOMPARE(window->first().Text(), std::string("7777"));
    QTRY_COMPARE(window->events.count("first:KeyUp:7"), 1);
    QCOMPARE(window->events.last(), QString("first:KeyUp:7"));
  }

  // Real X keys (XTEST through xdotool): a key held until X repeats it is one release, and two
  // taps 20 ms apart, a quick human double tap, are two, however the process is scheduled. An
  // edit whose release the field never sees still gets its KeyUp, once: the key released while
  // another window held the X focus for an instant, too short for Qt to take it from the field,
  // or pressed by another program with XSendEvent, the window active or not.
  void realKeysUnderX_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("keyUp");
    QTest::addColumn<int>("keyUps");
    QTest::addColumn<int>("typed");
    QTest::newRow("a held key is released once") << "hold" << "7" << 1 << 3;
    QTest::newRow("a double tap is two releases") << "double tap" << "7" << 2 << 2;
    QTest::newRow("released while the X focus was elsewhere") << "elsewhere" << "" << 1 << 1;
    QTest::newRow("pressed by another program, never released") << "sent" << "" << 1 << 1;
    QTest::newRow("pressed by another program into an inactive window")
        << "sent inactive" << "" << 1 << 1;
  }

  void realKeysUnderX() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("real X keys need X11");
    QFETCH(QString, how);
    QFETCH(QString, keyUp);
    QFETCH(int, keyUps);
    QFETCH(int, typed);
    ReleaseCount releases;
    QApplication::focusWidget()->installEventFilter(&releases);
    if (how == "sent inactive") {
      TakeTheXFocusAway();
      QTRY_VERIFY(!QApplication::focusWidget());
    }
    if (how.startsWith("sent")) {
      SendKeyPressAsAnotherProgram("7", platform::WidgetOf(*window)->winId());
    } else if (how == "double tap") {
      QCOMPARE(QProcess::execute("xdotool", {"key", "--delay", "20", "7", "7"}), 0);
    } else {
      QCOMPARE(QProcess::execute("xdotool", {"keydown", "7"}), 0);
      QTRY_VERIFY(!window->first().Text().empty());
      QTest::qWait(how == "hold" ? 1200 : 0);  // X starts repeating after 660 ms
      if (how == "hold") QCOMPARE(QProcess::execute("xdotool", {"keyup", "7"}), 0);
      if (how == "elsewhere") ReleaseKeyWhileTheFocusIsElsewhere("7");
    }
    QTRY_COMPARE(window->events.count("first:KeyUp:" + keyUp), keyUps);
    QTest::qWait(200);
    QCOMPARE(window->events.filter(":KeyUp:").size(), keyUps);
    // Auto-repeat sends presses alone: the field sees the key's real releases only.
    QCOMPARE(releases.count, keyUp.isEmpty() ? 0 : keyUps);
    QVERIFY(window->first().Text().size() >= std::size_t(typed));
  }

#if defined(__linux__)
  // Xlib may notice a lost X server before Qt's xcb side does: the program still ends with
  // status 1 and one line. Run in a child of this test, which breaks its own connection.
  void lostDisplaySeenByXlibEndsWithStatusOne() {
    if (QGuiApplication::platformName() != "xcb") QSKIP("the lost display is an X11 one");
    if (qEnvironmentVariableIsSet("BREAK_X_CONNECTION")) {
      BreakXConnectionThroughXlib();
      QFAIL("Xlib's I/O error handler did not end the program");
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("BREAK_X_CONNECTION", "1");
    // A program ended from inside the event loop frees nothing: no leak report in a sanitizer
    // build.
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {"-platform", "xcb", "lostDisplaySeenByXlibEndsWithStatusOne"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    QCOMPARE(child.readAllStandardError(),
             "tst_platform: lost the display: the X11 connection broke\n");
  }
#endif

  void tabRaisesNoKeyUpInEitherField() {
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), LineEditOf(window->second()));
    QCOMPARE(window->events, QStringList());
  }

  void keyEditWhoseReleaseGoesElsewhereStillRaisesKeyUp() {
    QWidget* field = QApplication::focusWidget();
    SendKey(field, QEvent::KeyPress, Qt::Key_3, "3", false);
    LineEditOf(window->second())->setFocus();
    SendKey(LineEditOf(window->second()), QEvent::KeyRelease, Qt::Key_3, "3", false);
    QCOMPARE(window->events, QStringList({"first:TextChange", "first:KeyUp:"}));
  }

  // Edits made without a key release in the field: Edit menu commands, context menu, drag
  // and drop and middle-click paste all reach the line edit as these calls.
  void otherUserEditsRaiseOneKeyUpAfterTheirTextChange_data() {
    QTest::addColumn<QString>("edit");
    QTest::newRow("paste") << "paste";
    QTest::newRow("delete the selection") << "del";
    QTest::newRow("cut") << "cut";
    QTest::newRow("undo") << "undo";
    QTest::newRow("insert, as drag and drop does") << "insert";
  }

  void otherUserEditsRaiseOneKeyUpAfterTheirTextChange() {
    QFETCH(QString, edit);
    QLineEdit* field = LineEditOf(window->first());
    QTest::keyClicks(field, "12");
    window->events.clear();
    QGuiApplication::clipboard()->setText("34");
    field->selectAll();
    if (edit == "paste") field->paste();
    if (edit == "del") field->del();
    if (edit == "cut") field->cut();
    if (edit == "undo") field->undo();
    if (edit == "insert") field->insert("9");
    QCOMPARE(window->events, QStringList({"first:TextChange", "first:KeyUp:"}));
  }

  void pasteByKeyRaisesKeyUpOnlyOnRelease() {
    QGuiApplication::clipboard()->setText("34");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window->first().Text(), std::string("34"));
    // The V's release, then the Ctrl key's, which was pressed in the field too.
    QTRY_COMPARE(window->events,
                 QStringList({"first:TextChange", "first:KeyUp:v", "first:KeyUp:"}));
  }

  void programTextIsShownFromItsStart() {
    window->second().SetText(std::string(200, '8'));
    QCOMPARE(LineEditOf(window->second())->cursorPosition(), 0);
  }

  void aFieldKeepsTheStartOfAGiantText_data() {
    QTest::addColumn<bool>("pasted");
    QTest::newRow("written by the program") << false;
    QTest::newRow("pasted by the user") << true;
  }

  void aFieldKeepsTheStartOfAGiantText() {
    QFETCH(bool, pasted);
    const std::string megabyte = "2.5" + std::string(1 << 20, '1');
    if (pasted) {
      QGuiApplication::clipboard()->setText(QString::fromStdString(megabyte));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else {
      window->first().SetText(megabyte);
    }
    QCOMPARE(window->first().Text(), megabyte.substr(0, platform::kStandardMaxLength));
  }

  // A screen reader finds each character where the field shows it, scrolled, within the
  // field's margins and laid out right to left: Qt's own hit test of the field finds the
  // character's first quarter before it and its last quarter after it.
  void aScreenReaderFindsEachCharacterWhereItIsShown_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");  // the field scrolls to show it
    QTest::addColumn<int>("margin");  // the text's left margin
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("a short text") << "0.51054" << 0 << 0 << false;
    QTest::newRow("scrolled to a long text's end") << QString(100, '7') + "12" << 102 << 0 << false;
    QTest::newRow("past a text margin") << "0.51054" << 0 << 40 << false;
    QTest::newRow("laid out right to left") << "0.51054" << 3 << 0 << true;
  }

  void aScreenReaderFindsEachCharacterWhereItIsShown() {
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, margin);
    QFETCH(bool, rightToLeft);
    QLineEdit* field = LineEditOf(window->first());
    field->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    field->setTextMargins(margin, 0, 0, 0);
    field->setText(text);
    field->setCursorPosition(cursor);
    QAccessibleTextInterface* characters =
        QAccessible::queryAccessibleInterface(field)->textInterface();
    int shown = 0;
    for (int i = 0; i < text.size(); ++i) {
      const QRect box(field->mapFromGlobal(characters->characterRect(i).topLeft()),
                      characters->characterRect(i).size());
      if (!field->rect().contains(box.center())) continue;
      ++shown;
      QCOMPARE(field->cursorPositionAt(QPoint(box.left() + box.width() / 4, box.center().y())), i);
      QCOMPARE(field->cursorPositionAt(QPoint(box.right() - box.width() / 4, box.center().y())),
               i + 1);
    }
    QVERIFY(shown > 1);
    QCOMPARE(shown<text.size(), text.size()> 10);  // the long text is partly out of sight
  }

  void handlerExceptionFromProgramCallReachesTheCaller() {
    window->second().TextChange.Attach([](TextField&) { throw HandlerFailure(); });
    QVERIFY_THROWS_EXCEPTION(HandlerFailure, window->second().SetText("x"));
    QVERIFY(!platform::TakePendingException());
  }

  void handlerExceptionFromUserEventIsKeptAndStopsDelivery() {
    window->first().TextChange.Attach([](TextField&) { throw HandlerFailure(); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    QCOMPARE(window->events, QStringList{"first:TextChange"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    QCOMPARE(window->events, QStringList{"first:TextChange"});
    const auto error = platform::TakePendingException();
    QVERIFY(error);
    QVERIFY_THROWS_EXCEPTION(HandlerFailure, std::rethrow_exception(error));
  }

  void runRethrowsAnExceptionThatEndedTheEventLoop() {
    window->first().KeyUp.Attach([](TextField&, const std::string&) { throw HandlerFailure(); });
    const auto typeLater = [] {
      QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_4); });
    };
    QVERIFY_THROWS_EXCEPTION(HandlerFailure, platform::Run(typeLater));
  }

  void uiCallsFromAnotherThreadAreRefused() {
    platform::MenuItem item;
    const std::vector<std::function<void()>> calls = {
        [&] { window->first().Text(); },
        [&] { window->first().SetText("1"); },
        [&] { window->popup().SetListIndex(-1); },
        [&] { window->ControlByName("first"); },
        [&] { item.SetText("x"); },
    };
    for (const auto& call : calls) {
      bool refused = false;
      std::thread([&] {
        try {
          call();
        } catch (const platform::ThreadAccessingUIException&) {
          refused = true;
        }
      }).join();
      QVERIFY(refused);
    }
  }

  // A caption names its field by name: a name that is no field is an error when the window is
  // built, not a silently unnamed field.
  void aCaptionOfNoFieldIsAnError_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("error");
    QTest::newRow("no control of that name") << "missing"
                                             << "NilObjectException";
    QTest::newRow("a label, not a field") << "other"
                                          << "IllegalCastException";
  }

  void aCaptionOfNoFieldIsAnError() {
    QFETCH(QString, target);
    QFETCH(QString, error);
    try {
      platform::Window::Open(std::make_unique<CaptionedWindow>(target.toStdString()));
      QFAIL("the window opened");
    } catch (const platform::RuntimeException& exception) {
      QCOMPARE(QString(exception.ClassName()), error);
    }
  }

  void registeringANameTwiceIsAnError() {
    QVERIFY_THROWS_EXCEPTION(platform::InvalidArgumentException,
                             window->AddControl("first", window->New<platform::Label>()));
  }

  void castToAnotherClassIsAnError() {
    QVERIFY_THROWS_EXCEPTION(platform::IllegalCastException,
                             window->ControlAs<platform::Label>("first"));
    QVERIFY_THROWS_EXCEPTION(platform::NilObjectException,
                             window->ControlAs<platform::Label>("missing"));
  }
};

PLATFORM_TEST_MAIN(PlatformTest)
#include "tst_platform.moc"
