// A second yardstick: the same window written plainly with Qt Widgets, no platform layer,
// design data or accessibility work, to tell the cost of the calculator's own code from
// Qt's cost of showing these widgets.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Voltage Drop Calculator");
  QMenu* file = window.menuBar()->addMenu("&File");
  file->addAction("&Quit", QKeySequence("Ctrl+Q"), &application, &QApplication::quit);
  QMenu* edit = window.menuBar()->addMenu("&Edit");
  for (const char* item : {"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"}) {
    edit->addAction(item);
  }
  auto* content = new QWidget;
  content->setFixedSize(296, 247);
  window.setCentralWidget(content);
  auto* popup = new QComboBox(content);
  popup->setGeometry(20, 14, 256, 20);
  for (const char* row : {"Copper", "Aluminium", "Gold", "Silver", "Iron", "Lead"}) {
    popup->addItem(row);
  }
  auto* form = new QLabel("Vd (20\u00B0C) = ( Length x Current x 0.0175 ) / Area", content);
  form->setGeometry(20, 46, 256, 16);
  QFont italic = form->font();
  italic.setItalic(true);
  italic.setPixelSize(10);
  form->setFont(italic);
  const char* captions[] = {
      "Total cable length (m):", "Cable diameter (mm):", "Cable area (mm2):", "Current (A):"};
  const char* texts[] = {"60", "0.51054", "0.20471", "0.350"};
  const int tops[] = {74, 106, 140, 174};
  for (int i = 0; i < 4; ++i) {
    (new QLabel(captions[i], content))->setGeometry(20, tops[i] + 1, 142, 20);
    (new QLineEdit(texts[i], content))->setGeometry(196, tops[i], 80, 22);
  }
  auto* result = new QLabel("Voltage drop = 1.795V", content);
  result->setGeometry(20, 207, 256, 20);
  result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont bold = result->font();
  bold.setBold(true);
  bold.setPixelSize(14);
  result->setFont(bold);
  window.layout()->setSizeConstraint(QLayout::SetFixedSize);
  window.show();
  return application.exec();
}
