#include <QtTest>
#include <iostream>
#include <sstream>

#include "app/Startup.h"
#include "menus/MainMenuBar.h"
#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "window/Window1.h"

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { platform::DestroyAllWindows(); }

  void startUpOpensOneWindowSharingTheApplicationsMenuBar() {
    Window1* opened = nullptr;
    QTimer::singleShot(0, [&] {
      opened = Window1::FindOpen<Window1>();
      QVERIFY(opened != nullptr);
      QCOMPARE(&window1(), opened);
      opened->Close();
    });
    Main();
    QVERIFY(opened != nullptr);
    QVERIFY(!opened->IsOpen());
    QVERIFY(platform::CurrentApplication() != nullptr);
    QCOMPARE(platform::CurrentApplication()->GetMenuBar(),
             static_cast<platform::MenuBar*>(&mainMenuBar()));
    QCOMPARE(opened->GetMenuBar(), platform::CurrentApplication()->GetMenuBar());
    QVERIFY(!platform::TakePendingException());
  }

  void anUnhandledErrorIsReportedOnceOnOneLine() {
    std::ostringstream captured;
    auto* saved = std::cerr.rdbuf(captured.rdbuf());
    platform::ReportUnhandledException(
        std::make_exception_ptr(platform::NilObjectException("no control named \"form\"")));
    std::cerr.rdbuf(saved);
    QCOMPARE(QString::fromStdString(captured.str()),
             QString("Unhandled NilObjectException: no control named \"form\"\n"));
  }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
