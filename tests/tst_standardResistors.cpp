#include "calc/baseResistorToolTip.h"
#include "calc/standardResistors.h"

#include <QTest>

#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ResistorSeries)

namespace {
// The text of the value a series gives, empty when it gives none.
QString fitted(ResistorSeries series, float ohms) {
  const auto value = largestStandardNotAbove(series, ohms);
  return value ? resistorText(*value) : QString();
}

// ohms x 10^decades, rounded once as the decimal value would be: the nearest
// double, so 12 x 10^-1 equals the literal 1.2.
double decadeValue(int ohms, int decades) {
  double power = 1;
  for (int i = 0; i < std::abs(decades); ++i)
    power *= 10;
  return decades >= 0 ? ohms * power : ohms / power;
}
} // namespace

class StandardResistorsTest : public QObject {
  Q_OBJECT
private slots:
  // The published IEC 60063 values from 1 to 10 kilo-ohms. Each one is its own
  // largest value in every decade from 1 ohm to 100 megaohms, and the ohm
  // below the next one still gives it: the series holds these values and no
  // others.
  void everyPublishedValueOfADecade_data() {
    QTest::addColumn<ResistorSeries>("series");
    QTest::addColumn<QList<int>>("decade");
    QTest::newRow("E12") << ResistorSeries::E12
                         << QList<int>{1000, 1200, 1500, 1800, 2200, 2700,
                                       3300, 3900, 4700, 5600, 6800, 8200};
    QTest::newRow("E24") << ResistorSeries::E24
                         << QList<int>{1000, 1100, 1200, 1300, 1500, 1600, 1800, 2000,
                                       2200, 2400, 2700, 3000, 3300, 3600, 3900, 4300,
                                       4700, 5100, 5600, 6200, 6800, 7500, 8200, 9100};
    QTest::newRow("E96") << ResistorSeries::E96
                         << QList<int>{1000, 1020, 1050, 1070, 1100, 1130, 1150, 1180,
                                       1210, 1240, 1270, 1300, 1330, 1370, 1400, 1430,
                                       1470, 1500, 1540, 1580, 1620, 1650, 1690, 1740,
                                       1780, 1820, 1870, 1910, 1960, 2000, 2050, 2100,
                                       2150, 2210, 2260, 2320, 2370, 2430, 2490, 2550,
                                       2610, 2670, 2740, 2800, 2870, 2940, 3010, 3090,
                                       3160, 3240, 3320, 3400, 3480, 3570, 3650, 3740,
                                       3830, 3920, 4020, 4120, 4220, 4320, 4420, 4530,
                                       4640, 4750, 4870, 4990, 5110, 5230, 5360, 5490,
                                       5620, 5760, 5900, 6040, 6190, 6340, 6490, 6650,
                                       6810, 6980, 7150, 7320, 7500, 7680, 7870, 8060,
                                       8250, 8450, 8660, 8870, 9090, 9310, 9530, 9760};
  }
  void everyPublishedValueOfADecade() {
    QFETCH(ResistorSeries, series);
    QFETCH(QList<int>, decade);
    for (qsizetype i = 0; i < decade.size(); ++i) {
      const int next = i + 1 < decade.size() ? decade[i + 1] : 10000;
      for (int k = -3; k <= 5; ++k) {
        const double published = decadeValue(decade[i], k);
        for (double ohms : {published, decadeValue(next - 1, k)}) {
          const auto value = largestStandardNotAbove(series, float(ohms));
          QVERIFY2(value && decadeValue(value->mantissa, value->exponent) == published,
                   qPrintable(QStringLiteral("%1 ohm").arg(ohms)));
        }
      }
    }
  }

  void decadeEdgesAndWhatIsNotSold_data() {
    QTest::addColumn<float>("ohms");
    QTest::addColumn<QStringList>("fitted"); // E12, E24, E96; empty: none
    const auto row = [](const char *name, float ohms, QStringList texts) {
      QTest::newRow(name) << ohms << texts;
    };
    row("exactly 1000", 1000, {"1K", "1K", "1K"});
    row("999", 999, {"820 Ohm", "910 Ohm", "976 Ohm"});
    row("the single just below 1000", 999.99994f, {"820 Ohm", "910 Ohm", "976 Ohm"});
    row("10 ohm", 10, {"10 Ohm", "10 Ohm", "10 Ohm"});
    row("below the first value of a decade", 99.9f, {"82 Ohm", "91 Ohm", "97,6 Ohm"});
    row("1 megaohm", 1e6f, {"1M", "1M", "1M"});
    row("just below 1 megaohm", 999999, {"820K", "910K", "976K"});
    row("100 kilo-ohms", 1e5f, {"100K", "100K", "100K"});
    row("1 ohm, the lowest value", 1, {"1 Ohm", "1 Ohm", "1 Ohm"});
    row("8,2 held as 8.19999981", 8.2f, {"8,2 Ohm", "8,2 Ohm", "8,06 Ohm"});
    row("a zero after the comma is dropped", 1105, {"1K", "1,1K", "1,1K"});
    row("the worked example", 35833.33f, {"33K", "33K", "35,7K"});
    row("8977 ohm", 8977, {"8,2K", "8,2K", "8,87K"});
    row("the largest resistor a run shows", 2147483647.0f, {"1800M", "2000M", "2100M"});
    row("below 1 ohm", 0.99f, {"", "", ""});
    row("zero", 0, {"", "", ""});
    row("negative", -470, {"", "", ""});
    row("infinite", std::numeric_limits<float>::infinity(), {"", "", ""});
    row("not a number", std::numeric_limits<float>::quiet_NaN(), {"", "", ""});
  }
  void decadeEdgesAndWhatIsNotSold() {
    QFETCH(float, ohms);
    QFETCH(QStringList, fitted);
    QCOMPARE((QStringList{::fitted(ResistorSeries::E12, ohms), ::fitted(ResistorSeries::E24, ohms),
                          ::fitted(ResistorSeries::E96, ohms)}),
             fitted);
  }

  void valuesAreWrittenAsResistorsAreMarked_data() {
    QTest::addColumn<int>("mantissa");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("text");
    QTest::newRow("4,7 ohm") << 47 << -1 << "4,7 Ohm";
    QTest::newRow("47 ohm") << 47 << 0 << "47 Ohm";
    QTest::newRow("470 ohm") << 47 << 1 << "470 Ohm";
    QTest::newRow("4,7 kilo-ohm") << 47 << 2 << "4,7K";
    QTest::newRow("47 kilo-ohm") << 47 << 3 << "47K";
    QTest::newRow("470 kilo-ohm") << 47 << 4 << "470K";
    QTest::newRow("4,7 megaohm") << 47 << 5 << "4,7M";
    QTest::newRow("470 megaohm") << 47 << 7 << "470M";
    QTest::newRow("4700 megaohm") << 47 << 8 << "4700M";
    QTest::newRow("E96 1,02 ohm") << 102 << -2 << "1,02 Ohm";
    QTest::newRow("E96 10,2 ohm") << 102 << -1 << "10,2 Ohm";
    QTest::newRow("E96 102 ohm") << 102 << 0 << "102 Ohm";
    QTest::newRow("E96 1,02 kilo-ohm") << 102 << 1 << "1,02K";
    QTest::newRow("E96 10,2 kilo-ohm") << 102 << 2 << "10,2K";
    QTest::newRow("E96 102 kilo-ohm") << 102 << 3 << "102K";
    QTest::newRow("E96 1,02 megaohm") << 102 << 4 << "1,02M";
    QTest::newRow("E96 1,5 kilo-ohm") << 150 << 1 << "1,5K";
    QTest::newRow("E96 1 megaohm") << 100 << 4 << "1M";
  }
  void valuesAreWrittenAsResistorsAreMarked() {
    QFETCH(int, mantissa);
    QFETCH(int, exponent);
    QFETCH(QString, text);
    QCOMPARE(resistorText({mantissa, exponent}), text);
  }

  void powerIsWrittenWithTwoDigitsAndItsUnit_data() {
    QTest::addColumn<double>("watts");
    QTest::addColumn<QString>("text");
    QTest::newRow("8977 ohm at 5 V") << 4.3 * 4.3 / 8977 << "2,1 mW";
    QTest::newRow("tens of milliwatts") << 0.029 << "29 mW";
    QTest::newRow("hundreds of microwatts") << 0.00041 << u"410 \u00B5W"_s;
    QTest::newRow("a carry moves to mW") << 999.6e-6 << "1,0 mW";
    QTest::newRow("no carry below the half") << 994.9e-6 << u"990 \u00B5W"_s;
    QTest::newRow("a carry moves to W") << 0.9996 << "1,0 W";
    QTest::newRow("exact binary half away from zero") << 0.125 << "130 mW";
    QTest::newRow("decimal half held just below") << 0.0145 << "15 mW";
    QTest::newRow("watts") << 1.0 << "1,0 W";
    QTest::newRow("kilowatts stay in W") << 1234.0 << "1200 W";
    QTest::newRow("nanowatts") << 5.65e-7 << "570 nW";
    QTest::newRow("picowatts") << 4.19e-11 << "42 pW";
    QTest::newRow("below a picowatt") << 4.2e-13 << "0,42 pW";
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("negative") << -0.5 << "";
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "";
  }
  void powerIsWrittenWithTwoDigitsAndItsUnit() {
    QFETCH(double, watts);
    QFETCH(QString, text);
    QCOMPARE(powerText(watts), text);
  }
};

QTEST_APPLESS_MAIN(StandardResistorsTest)
#include "tst_standardResistors.moc"
