// The yardstick: a bare Qt Widgets program with one empty 296 × 247 window, the least any Qt
// program can do to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(296, 247);
  window.show();
  return application.exec();
}
