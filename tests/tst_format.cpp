#include "runtime/format.h"

#include "desktopLocales.h"

#include <QTest>

class FormatTest : public QObject {
  Q_OBJECT
private slots:
  // Every case below runs in each desktop locale: the program's numbers must
  // read and write the same whatever the process's locale is.
  void initTestCase_data() { addDesktopLocales(); }
  void init() { SWITCH_TO_DESKTOP_LOCALE(); }
  void patternsGroupAndRound_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouped ohms") << 35833.0 << false << "#,###" << "35.833";
    QTest::newRow("zero is empty") << 0.0 << false << "#,###" << "";
    QTest::newRow("below a thousand") << 999.0 << false << "#,###" << "999";
    QTest::newRow("two groups") << 1234567.0 << false << "#,###" << "1.234.567";
    QTest::newRow("largest long") << 2147483647.0 << false << "#,###" << "2.147.483.647";
    QTest::newRow("negative") << -1234.0 << false << "#,###" << "-1.234";
    QTest::newRow("half away from zero") << 2.5 << false << "#,###" << "3";
    QTest::newRow("two decimals") << 35.83 << true << "#,###0.0#" << "35,83";
    QTest::newRow("zero kilo-ohms") << 0.0 << true << "#,###0.0#" << "0,0";
    QTest::newRow("one decimal kept") << 35.8 << true << "#,###0.0#" << "35,8";
    QTest::newRow("whole gets one decimal") << 2.0 << true << "#,###0.0#" << "2,0";
    QTest::newRow("grouped with decimals") << 1234.5 << false << "#,###0.0#" << "1.234,5";
    QTest::newRow("single shown by its digits") << 286.67 << true << "#,###0.0#" << "286,67";
    QTest::newRow("decimal half away from zero") << 0.125 << false << "#,###0.0#" << "0,13";
    QTest::newRow("double by fifteen digits") << 2.675 << false << "#,###0.0#" << "2,68";
    QTest::newRow("carry into a new group") << 999.999 << false << "#,###0.0#" << "1.000,0";
    QTest::newRow("small fraction") << 0.004 << false << "#,###0.0#" << "0,0";
  }
  void patternsGroupAndRound() {
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(single ? formatNumber(float(value), pattern) : formatNumber(value, pattern), text);
  }
};

QTEST_APPLESS_MAIN(FormatTest)
#include "tst_format.moc"
