#include "fakePanel.h"

#include <QTest>

namespace {
enum Function { Rc, Vc, Watt };
}
Q_DECLARE_METATYPE(Function)

class CollectorTest : public QObject {
  Q_OBJECT
private slots:
  void collectorArithmetic_data() {
    QTest::addColumn<Function>("function");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("current");
    QTest::addColumn<float>("result");
    QTest::addColumn<int>("error");
    QTest::newRow("Rc 12 V 20 mA") << Rc << 1 << 12.f << 20.f << 600.f << 0;
    QTest::newRow("Rc exact half down") << Rc << 0 << 5.f << 2.f << 2.f << 0;
    QTest::newRow("Rc exact half up") << Rc << 0 << 7.f << 2.f << 4.f << 0;
    QTest::newRow("Rc 12 V 2,2 mA") << Rc << 1 << 12.f << 2.2f << 5455.f << 0;
    QTest::newRow("Rc in uA") << Rc << 2 << 5.f << 50.f << 100000.f << 0;
    QTest::newRow("Rc beyond 32 bits") << Rc << 3 << 12.f << 1.f << 0.f << 6;
    QTest::newRow("Rc zero current") << Rc << 1 << 12.f << 0.f << 0.f << 11;
    QTest::newRow("Rc zero over zero") << Rc << 1 << 0.f << 0.f << 0.f << 6;
    QTest::newRow("Rc pA has no divisor") << Rc << 4 << 12.f << 5.f << 0.f << 11;
    QTest::newRow("Rc no unit") << Rc << -1 << 12.f << 5.f << 0.f << 11;
    QTest::newRow("Vc 470 ohm 25 mA") << Vc << 1 << 470.f << 25.f << 12.f << 0;
    QTest::newRow("Vc single rounding of mA") << Vc << 1 << 1000.f << 5.5f << 5.f << 0;
    QTest::newRow("Vc beyond 32 bits") << Vc << 0 << 1e9f << 10.f << 0.f << 6;
    QTest::newRow("Vc pA gives 0") << Vc << 4 << 1000.f << 5.f << 0.f << 0;
    QTest::newRow("Watt 12 V 150 mA") << Watt << 1 << 12.f << 150.f << 1.8f << 0;
    QTest::newRow("Watt single just below half") << Watt << 1 << 5.f << 333.f << 1.66f << 0;
    QTest::newRow("Watt in A") << Watt << 0 << 9.f << 0.5f << 4.5f << 0;
    QTest::newRow("Watt exact half down") << Watt << 0 << 1.f << 0.125f << 0.12f << 0;
    QTest::newRow("Watt exact half up") << Watt << 0 << 1.f << 0.375f << 0.38f << 0;
    QTest::newRow("Watt beyond single") << Watt << 0 << 3e38f << 3e38f << 0.f << 6;
    QTest::newRow("Watt pA gives 0") << Watt << 4 << 12.f << 5.f << 0.f << 0;
    QTest::newRow("Watt 5 gives 0") << Watt << 5 << 12.f << 5.f << 0.f << 0;
  }
  void collectorArithmetic() {
    QFETCH(Function, function);
    QFETCH(int, unit);
    QFETCH(float, first);
    QFETCH(float, current);
    QFETCH(float, result);
    QFETCH(int, error);
    Fixture b;
    b.calc.nScala = int16_t(unit);
    float value = 0;
    int raised = 0;
    try {
      value = function == Rc   ? b.calc.CalcolaRc(first, current)
              : function == Vc ? b.calc.CalcolaVc(first, current)
                               : b.calc.CalcolaWatt(first, current);
    } catch (const RuntimeError &e) {
      raised = e.number();
    }
    QCOMPARE(raised, error);
    QCOMPARE(value, result);
    QCOMPARE(b.calc.nScala, int16_t(unit));
  }
};

QTEST_APPLESS_MAIN(CollectorTest)
#include "tst_collector.moc"
