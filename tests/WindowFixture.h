#pragma once

#include <QObject>
#include <QtTest>

#include "RecordingWindow.h"
#include "platform/Application.h"
#include "platform/QtAccess.h"

// The fixture of the calculator window's tests: each test finds a window of its own, opened
// and active, and leaves no exception pending and no window behind.
class WindowFixture : public QObject {
  Q_OBJECT

 protected:
  RecordingWindow* window = nullptr;

 private slots:
  void init() {
    window = &RecordingWindow::OpenNew();
    QVERIFY(QTest::qWaitForWindowActive(platform::WidgetOf(*window)));
  }

  void cleanup() {
    QVERIFY(!platform::TakePendingException());
    platform::DestroyAllWindows();
  }
};
