#include <unistd.h>

#include <QApplication>
#include <QtTest>
#include <cstdio>

#include "TestMain.h"
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

  // Also: from the report on, the program's exit status is 1.
  void anUnhandledErrorIsReportedOnceOnOneLine() {
    QCOMPARE(testRuntime().ExitStatus(), 0);
    // What the report writes to the standard error stream, caught in a file.
    std::FILE* captured = std::tmpfile();
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(captured), STDERR_FILENO);
    // On a desktop the report also shows a dialog, which waits for its OK.
    QTimer::singleShot(500, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    platform::ReportUnhandledException(
        std::make_exception_ptr(platform::NilObjectException("no control named \"form\"")));
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::rewind(captured);
    char text[256] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, captured);
    std::fclose(captured);
    QCOMPARE(QString::fromUtf8(text, qsizetype(length)),
             QString("Unhandled NilObjectException: no control named \"form\"\n"));
    QCOMPARE(testRuntime().ExitStatus(), 1);
  }
};

PLATFORM_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
