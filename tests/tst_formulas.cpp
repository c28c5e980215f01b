#include "fakePanel.h"

#include <QTest>

class FormulasTest : public QObject {
  Q_OBJECT
private slots:
  void threeLinesFromMultiplierAndBaseVoltage_data() {
    QTest::addColumn<int>("multiplier"); // -1: none chosen
    QTest::addColumn<QString>("baseVoltage");
    QTest::addColumn<QString>("panel");
    QTest::newRow("start-up") << 1 << "5" << "Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 3\r\nRb= (5V-0,7V) / Ib";
    QTest::newRow("x 5 and 12 V") << 2 << "12" << "Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 5\r\nRb= (12V-0,7V) / Ib";
    QTest::newRow("x 1") << 0 << "5" << "Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 1\r\nRb= (5V-0,7V) / Ib";
    QTest::newRow("empty box") << 1 << "" << "Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 3\r\nRb= (V-0,7V) / Ib";
    QTest::newRow("shown as typed") << 1 << "5," << "Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 3\r\nRb= (5,V-0,7V) / Ib";
    QTest::newRow("none chosen") << -1 << "5" << "Ic= Vc / Rc\r\nIb= (Ic / Hfe) \r\nRb= (5V-0,7V) / Ib";
  }
  void threeLinesFromMultiplierAndBaseVoltage() {
    QFETCH(int, multiplier);
    QFETCH(QString, baseVoltage);
    QFETCH(QString, panel);
    Fixture b;
    b.panel.chooseMultiplier(multiplier);
    b.panel.boxes[4] = baseVoltage;
    b.calc.MostraFormule();
    QCOMPARE(b.panel.captions[12], panel);
    b.calc.MostraFormule(); // replaces, never appends to an earlier panel
    QCOMPARE(b.panel.captions[12], panel);
  }
};

QTEST_APPLESS_MAIN(FormulasTest)
#include "tst_formulas.moc"
