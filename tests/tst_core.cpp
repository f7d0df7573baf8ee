// The calculation without a window: the formula, the conductor's geometry and the materials,
// against values computed apart from the code (IEEE doubles in the same order of operations).

#include <QtTest>
#include <bit>
#include <cmath>
#include <cstdint>

#include "calc/Conductor.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"

class CoreTest : public QObject {
  Q_OBJECT

 private slots:
  void voltageDrop_data() {
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<double>("drop");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("spoken");  // by a screen reader
    QTest::newRow("copper, the window's first inputs")
        << "Copper"
        << "0.350"
        << "60"
        << "0.51054" << 0x1.cb90e492b2899p+0 << "Voltage drop = 1.795V"
        << "Voltage drop = 1.795 volts";
    QTest::newRow("aluminium, a decimal comma")
        << "Aluminium"
        << "10"
        << "25"
        << "2,5" << 0x1.6d1030a52a322p+0 << "Voltage drop = 1.426V"
        << "Voltage drop = 1.426 volts";
    QTest::newRow("lead at AWG 18")
        << "Lead"
        << "1.5"
        << "100"
        << "1.02362" << 0x1.42428142f36fep+5 << "Voltage drop = 40.282V"
        << "Voltage drop = 40.282 volts";
    QTest::newRow("the longest result")
        << "Silver"
        << "-1"
        << "1"
        << "4.5e-8" << -0x1.24ca10a19a099p+43 << "Voltage drop = -10060164304080.299V"
        << "Voltage drop = minus 10060164304080.299 volts";
    QTest::newRow("a drop too small to show is said as shown")
        << "Copper"
        << "-0.0001"
        << "1"
        << "1" << -0x1.2b0f4f94d1e03p-19 << "Voltage drop = 0V"
        << "Voltage drop = 0 volts";
    QTest::newRow("zero diameter divides by zero")
        << "Gold"
        << "2"
        << "3"
        << "0" << double(INFINITY) << "Voltage drop = \u221EV"
        << "Voltage drop = infinity volts";
    QTest::newRow("zero over zero") << "Iron"
                                    << "0"
                                    << "60"
                                    << "" << double(NAN) << "Voltage drop = NaNV"
                                    << "Voltage drop = not a number";
    QTest::newRow("a negative current over zero diameter") << "Gold" << "-2" << "3" << "0"
        << -double(INFINITY) << "Voltage drop = -\u221EV" << "Voltage drop = minus infinity volts";
  }

  void voltageDrop() {
    QFETCH(QString, material);
    QFETCH(QString, current);
    QFETCH(QString, length);
    QFETCH(QString, diameter);
    QFETCH(double, drop);
    QFETCH(QString, line);
    QFETCH(QString, spoken);
    const double resistivity = calc::MaterialNamed(material.toStdString())->resistivity;
    const double computed = calc::VoltageDrop(resistivity, current.toStdString(),
                                              length.toStdString(), diameter.toStdString());
    if (std::isnan(drop)) {
      QVERIFY(std::isnan(computed));
    } else {
      QCOMPARE(std::bit_cast<std::uint64_t>(computed), std::bit_cast<std::uint64_t>(drop));
    }
    QCOMPARE(QString::fromStdString(calc::ResultLine(computed)), line);
    QCOMPARE(QString::fromStdString(calc::SpokenResultLine(computed)), spoken);
  }

  void materialNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found");
    QTest::addColumn<double>("resistivity");
    QTest::addColumn<QString>("formula");
    QTest::newRow("lower case") << "copper"
                                << "Copper" << 0.0175
                                << "Vd (20\u00B0C) = ( Length x Current x 0.0175 ) / Area";
    QTest::newRow("upper case") << "LEAD"
                                << "Lead" << 0.221
                                << "Vd (20\u00B0C) = ( Length x Current x 0.221 ) / Area";
    QTest::newRow("mixed case") << "aLuMiNiUm"
                                << "Aluminium" << 0.028
                                << "Vd (20\u00B0C) = ( Length x Current x 0.028 ) / Area";
    QTest::newRow("empty") << ""
                           << "" << 0.0 << "";
    QTest::newRow("a prefix") << "Copp"
                              << "" << 0.0 << "";
    QTest::newRow("a trailing blank") << "Copper "
                                      << "" << 0.0 << "";
    QTest::newRow("another language") << "Kupfer"
                                      << "" << 0.0 << "";
  }

  void materialNamed() {
    QFETCH(QString, name);
    QFETCH(QString, found);
    QFETCH(double, resistivity);
    QFETCH(QString, formula);
    const calc::Material* material = calc::MaterialNamed(name.toStdString());
    QCOMPARE(material != nullptr, !found.isEmpty());
    if (material == nullptr) return;
    QCOMPARE(QString::fromUtf8(material->name.english), found);
    QCOMPARE(material->resistivity, resistivity);
    QCOMPARE(QString::fromStdString(calc::FormulaLine(material->resistivity)), formula);
  }

  void conductorTexts_data() {
    QTest::addColumn<bool>("fromDiameter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("other");
    QTest::newRow("AWG 24 diameter") << true << "0.51054"
                                     << "0.20471488863018003";
    QTest::newRow("AWG 24 cross-section") << false << "0.20471"
                                          << "0.5105339040678251";
    QTest::newRow("a 2 mm diameter is pi") << true << "2"
                                           << "3.141592653589793";
    QTest::newRow("pi to four places") << false << "3.1416"
                                       << "2.00000233843363";
    QTest::newRow("no diameter") << true << ""
                                 << "0";
  }

  void conductorTexts() {
    QFETCH(bool, fromDiameter);
    QFETCH(QString, text);
    QFETCH(QString, other);
    const std::string written = fromDiameter ? conductor::CrossSectionText(text.toStdString())
                                             : conductor::DiameterText(text.toStdString());
    QCOMPARE(QString::fromStdString(written), other);
  }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "tst_core.moc"
