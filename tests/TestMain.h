#pragma once

#include <QtTest>

#include "platform/Application.h"

// QTEST_MAIN on the calculator's own runtime, so that the tests see the application as the
// program sets it up (its font, its scale). testRuntime() is that runtime.
inline platform::Runtime*& TestRuntimeSlot() {
  static platform::Runtime* runtime = nullptr;
  return runtime;
}
inline platform::Runtime& testRuntime() { return *TestRuntimeSlot(); }

#define PLATFORM_TEST_MAIN(TestClass)       \
  int main(int argc, char* argv[]) {        \
    platform::Runtime runtime(argc, argv);  \
    TestRuntimeSlot() = &runtime;           \
    TestClass test;                         \
    QTEST_SET_MAIN_SOURCE_PATH              \
    return QTest::qExec(&test, argc, argv); \
  }
