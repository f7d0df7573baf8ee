#include <QtTest>
#include <bit>
#include <cmath>
#include <limits>
#include <random>

#include "platform/ArgumentText.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"

using platform::Format;
using platform::Str;
using platform::Val;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal to the last bit, with every NaN equal to every other.
bool SameDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace

class NumbersTest : public QObject {
  Q_OBJECT

 private slots:
  // A message shows an argument as coreutils shows a file name: bytes that are not UTF-8 (an
  // encoded surrogate among them) and characters not shown as themselves are escaped.
  void quotedKeepsTextOnOneLineAsItIs_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("quoted");
    QTest::newRow("printable, accents and a no-break space")
        << QByteArray("d\xc3\xa9j\xc3\xa0\xc2\xa0vu")
        << QByteArray("'d\xc3\xa9j\xc3\xa0\xc2\xa0vu'");
    QTest::newRow("an encoded surrogate")
        << QByteArray("a\xed\xa0\x80") << QByteArray("$'a\\355\\240\\200'");
    QTest::newRow("a byte alone, DEL") << QByteArray("\xff\x7f") << QByteArray("$'\\377\\177'");
    QTest::newRow("unassigned U+0378") << QByteArray("\xcd\xb8") << QByteArray("$'\\315\\270'");
  }

  void quotedKeepsTextOnOneLineAsItIs() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, quoted);
#if defined(_WIN32)
    // The same escapes in double quotes, as Windows shows a name.
    quoted = '"' + quoted.mid(quoted.startsWith('$') ? 2 : 1).chopped(1) + '"';
#endif
    QCOMPARE(QByteArray::fromStdString(platform::Quoted(text.toStdString())), quoted);
  }

  void val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // Whether the text, blanks aside, is that number and nothing else.
    QTest::addColumn<bool>("whole");
    QTest::newRow("empty text reads as zero") << "" << 0.0 << false;
    QTest::newRow("blanks only read as zero") << "   \t" << 0.0 << false;
    QTest::newRow("letters read as zero") << "abc" << 0.0 << false;
    QTest::newRow("integer") << "60" << 60.0 << true;
    QTest::newRow("leading blanks are skipped") << "  \t 12" << 12.0 << true;
    QTest::newRow("trailing blanks are no junk") << "12 \t" << 12.0 << true;
    QTest::newRow("every blank character is skipped") << "\n\r\v\f\t 7" << 7.0 << true;
    QTest::newRow("negative decimal") << "-3.5" << -3.5 << true;
    QTest::newRow("explicit plus") << "+4" << 4.0 << true;
    QTest::newRow("exponent") << "1e3" << 1000.0 << true;
    QTest::newRow("negative exponent, capital E") << "1E-2" << 0.01 << true;
    QTest::newRow("bare exponent mark is ignored") << "1e" << 1.0 << false;
    QTest::newRow("exponent sign without digits is ignored") << "1e+" << 1.0 << false;
    QTest::newRow("leading point") << ".5" << 0.5 << true;
    QTest::newRow("trailing point") << "5." << 5.0 << true;
    QTest::newRow("lone point") << "." << 0.0 << false;
    QTest::newRow("lone minus") << "-" << 0.0 << false;
    QTest::newRow("two signs are no number") << "--5" << 0.0 << false;
    QTest::newRow("plus then minus is no number") << "+-5" << 0.0 << false;
    QTest::newRow("hexadecimal stops at the x") << "0x10" << 0.0 << false;
    QTest::newRow("trailing junk is ignored") << "12abc" << 12.0 << false;
    QTest::newRow("decimal comma") << "2,5" << 2.5 << true;
    QTest::newRow("decimal comma, the first diameter") << "0,51054" << 0.51054 << true;
    QTest::newRow("decimal comma, negative") << "-0,7" << -0.7 << true;
    QTest::newRow("leading decimal comma") << ",5" << 0.5 << true;
    QTest::newRow("decimal comma and exponent") << "1,5e3" << 1500.0 << true;
    QTest::newRow("decimal comma after blanks, unit after") << " 12,5m" << 12.5 << false;
    QTest::newRow("a thousands comma reads as a decimal one") << "1,000" << 1.0 << true;
    QTest::newRow("a point number stops at its comma") << "1.234,5" << 1.234 << false;
    QTest::newRow("a second comma ends the number") << "1,2,3" << 1.2 << false;
    QTest::newRow("lone comma") << "," << 0.0 << false;
    QTest::newRow("a second point ends the number") << "1.2.3" << 1.2 << false;
    QTest::newRow("blank inside ends the number") << "12 34" << 12.0 << false;
    QTest::newRow("a no-break space is a blank") << "\u00A05\u202F" << 5.0 << true;
    QTest::newRow("a space groups digits in every language") << "1 000" << 1000.0 << true;
    QTest::newRow("spaces of any width group, then a decimal point")
        << "-1\u202F234\u00A0567.5" << -1234567.5 << true;
    QTest::newRow("a group of four digits is none") << "1 0000" << 1.0 << false;
    QTest::newRow("groups are read as far as they go") << "1 000 5" << 1000.0 << false;
    QTest::newRow("unicode minus is not a sign") << "\u22125" << 0.0 << false;
    QTest::newRow("overflow gives infinity") << "1e400" << kInf << true;
    QTest::newRow("negative overflow gives minus infinity") << "-1e400" << -kInf << true;
    QTest::newRow("many digits overflow") << "1" + QString(400, '0') << kInf << true;
    QTest::newRow("huge exponent saturates") << "1e99999999999999999999" << kInf << true;
    QTest::newRow("underflow gives zero") << "1e-400" << 0.0 << true;
    QTest::newRow("underflow with many zeros") << "0." + QString(400, '0') + "1" << 0.0 << true;
    QTest::newRow("tiny mantissa, huge exponent") << "0.0000001e310" << 1e303 << true;
    QTest::newRow("large mantissa, very negative exponent")
        << "1" + QString(30, '0') + "e-340" << 1e-310 << true;
    QTest::newRow("smallest subnormal")
        << "4.9406564584124654e-324" << std::numeric_limits<double>::denorm_min() << true;
    QTest::newRow("halfway case rounds to even")
        << "9007199254740993" << 9007199254740992.0 << true;
    QTest::newRow("hard case near the smallest normal")
        << "2.2250738585072011e-308" << 2.2250738585072011e-308 << true;
    QTest::newRow("infinity sign") << "\u221E" << kInf << true;
    QTest::newRow("minus infinity sign") << "-\u221E" << -kInf << true;
    QTest::newRow("inf in capitals") << "INF" << kInf << true;
    QTest::newRow("infinity spelt out") << "Infinity" << kInf << true;
    QTest::newRow("NaN") << "NaN" << kNaN << false;
    QTest::newRow("nan in lower case") << "nan" << kNaN << false;
    QTest::newRow("0.1 is the nearest double") << "0.1" << 0.1 << true;
    QTest::newRow("cross-section as written back")
        << "0.20471488863018003" << 0.20471488863018003 << true;
  }

  void val() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = Val(text.toStdString());
    QVERIFY2(
        SameDouble(value, expected),
        qPrintable(
            QString("Val gave %1, expected %2").arg(value, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    QFETCH(bool, whole);
    QCOMPARE(platform::IsNumber(text.toStdString()), whole);
  }

  void valKeepsTheSignOfZero() {
    QVERIFY(std::signbit(Val("-0")));
    QVERIFY(std::signbit(Val("-1e-400")));
    QVERIFY(!std::signbit(Val("0")));
  }

  void str_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "-0";
    QTest::newRow("one tenth") << 0.1 << "0.1";
    QTest::newRow("one third, all digits needed") << 1.0 / 3 << "0.3333333333333333";
    QTest::newRow("cross-section of 0.51054 mm") << 0.20471488863018003 << "0.20471488863018003";
    QTest::newRow("sum that is not 0.3") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("large integer") << 123456789012345680.0 << "123456789012345680";
    QTest::newRow("scientific when shorter") << 1e16 << "1e+16";
    QTest::newRow("small scientific") << 1e-4 << "1e-04";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("infinity") << kInf << "\u221E";
    QTest::newRow("minus infinity") << -kInf << "-\u221E";
    QTest::newRow("NaN") << kNaN << "NaN";
  }

  void str() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(Str(value)), expected);
  }

  void strReadsBackExactly() {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
      const double value = std::bit_cast<double>(random());
      const double back = Val(Str(value));
      if (!SameDouble(value, back)) {
        QFAIL(qPrintable(QString("%1 came back as %2 through \"%3\"")
                             .arg(value, 0, 'g', 17)
                             .arg(back, 0, 'g', 17)
                             .arg(QString::fromStdString(Str(value)))));
      }
    }
  }

  void format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("copper drop") << 1.7951253290399408 << "#.###"
                                 << "1.795";
    QTest::newRow("zero integer part shown as 0") << 0.3684 << "#.###"
                                                  << "0.368";
    QTest::newRow("zero") << 0.0 << "#.###"
                          << "0";
    QTest::newRow("negative zero has no sign") << -0.0 << "#.###"
                                               << "0";
    QTest::newRow("negative rounding to zero has no sign") << -0.0001 << "#.###"
                                                           << "0";
    QTest::newRow("trailing zeros dropped") << 2.5 << "#.###"
                                            << "2.5";
    QTest::newRow("bare point dropped") << 1.0 << "#.###"
                                        << "1";
    QTest::newRow("rounds on the binary value, below half") << 1.0005 << "#.###"
                                                            << "1";
    QTest::newRow("rounds on the binary value, above half") << 0.0005 << "#.###"
                                                            << "0.001";
    QTest::newRow("an exact tie rounds to even") << 0.0625 << "#.###"
                                                 << "0.062";
    QTest::newRow("an exact tie in a large value rounds to even") << 407436654315252.0625 << "#.###"
                                                                  << "407436654315252.062";
    QTest::newRow("rounding carries into the integer") << 999.9996 << "#.###"
                                                       << "1000";
    QTest::newRow("negative") << -12.3456 << "#.###"
                              << "-12.346";
    QTest::newRow("below 1e15 stays fixed") << 999999999999999.0 << "#.###"
                                            << "999999999999999";
    QTest::newRow("1e15 in scientific form") << 1e15 << "#.###"
                                             << "1e+15";
    QTest::newRow("scientific keeps the decimals") << 1.23456e20 << "#.###"
                                                   << "1.235e+20";
    QTest::newRow("negative scientific") << -4e300 << "#.###"
                                         << "-4e+300";
    QTest::newRow("infinity") << kInf << "#.###"
                              << "\u221E";
    QTest::newRow("minus infinity") << -kInf << "#.###"
                                    << "-\u221E";
    QTest::newRow("NaN") << kNaN << "#.###"
                         << "NaN";
    QTest::newRow("copper resistivity") << 0.0175 << "#.####"
                                        << "0.0175";
    QTest::newRow("lead resistivity") << 0.221 << "#.####"
                                      << "0.221";
    QTest::newRow("no point, no decimals") << 2.7 << "#"
                                           << "3";
    QTest::newRow("tiny value") << 1e-300 << "#.###"
                                << "0";
  }

  void format() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(Format(value, pattern.toStdString())), expected);
  }

  void formatRefusesUnknownPatterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::newRow("comma") << "#,##";
    QTest::newRow("two points") << "#..#";
    QTest::newRow("zero digit") << "0.00";
  }

  void formatRefusesUnknownPatterns() {
    QFETCH(QString, pattern);
    QVERIFY_THROWS_EXCEPTION(platform::UnsupportedFormatException,
                             Format(1.0, pattern.toStdString()));
  }

  void formatStaysShortAndReadable() {
    const QRegularExpression shape(
        R"(^(-?\d{1,16}(\.\d{1,3})?|-?\d(\.\d{1,3})?e[+-]\d{2,3}|-?∞|NaN)$)");
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
      const double value = std::bit_cast<double>(random());
      const QString text = QString::fromStdString(Format(value, "#.###"));
      if (!shape.match(text).hasMatch() || text == "-0") {
        QFAIL(qPrintable(QString("%1 formatted as \"%2\"").arg(value, 0, 'g', 17).arg(text)));
      }
    }
  }

  void variantsReadBackThroughText_data() {
    QTest::addColumn<double>("resistivity");
    for (const double value : {0.0175, 0.028, 0.023, 0.016, 0.098, 0.221}) {
      QTest::newRow(qPrintable(QString::number(value))) << value;
    }
  }

  void variantsReadBackThroughText() {
    QFETCH(double, resistivity);
    const auto tag = platform::DoubleToVariant(resistivity);
    QCOMPARE(platform::VariantToDouble(tag), resistivity);
    QVERIFY(SameDouble(Val(platform::VariantToString(tag)), resistivity));
  }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
