// The honest yardstick: a fixed 296 × 247 Qt Widgets window that lays out one line of text in
// the default font before it maps. Every Qt program that shows text pays what this one pays
// (fontconfig's set-up, Qt's font database, a font engine); the calculator is measured
// against it.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QLabel window(QStringLiteral("Voltage Drop Calculator"));
  window.setFixedSize(296, 247);
  // Lay the line out now, before the window maps, as the calculator lays out its texts.
  window.sizeHint();
  window.show();
  return application.exec();
}
