// Fault injection: every panel operation of a run made to fail in turn.
#include "fakePanel.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void prepare(Fixture &b, const QStringList &boxes, int unit, int multiplier) {
  for (std::size_t i = 0; i < b.panel.boxes.size(); ++i)
    b.panel.boxes[i] = boxes[qsizetype(i)];
  b.panel.selected = int16_t(unit);
  b.panel.chooseMultiplier(multiplier);
  b.panel.messages.clear();
}

QStringList results(const FakePanel &p) {
  QStringList shown{p.captions[9], p.captions[10], p.captions[11], p.captions[12], p.captions[13]};
  for (const auto &m : p.messages)
    shown << m.prompt;
  return shown << p.boxes[0] << p.boxes[1] << p.boxes[2] << QString::number(p.selected);
}

} // namespace

class FaultsTest : public QObject {
  Q_OBJECT
private slots:
  void aFailingOperationIsSkippedAndTheNextRunIsWhole_data() {
    QTest::addColumn<QStringList>("boxes"); // Vc, Rc, Ic, HFE, Vbb
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QStringList>("labels"); // lblBJT 9, 10, 11, 13
    // The operations of the run's last statement: when one of them fails,
    // nothing is left to run after it.
    QTest::addColumn<int>("lastStatement");
    QTest::newRow("collector current worked out")
        << QStringList{"12", "1000", "", "100", "5"} << 1 << 0
        << QStringList{u"corrente di base: 120 \u00B5A"_s,
                       "resistenza di base: 35.833 Ohm\r\n(35,83K)", "35,8K", "Watt:  0,14"}
        << 5; // the spoken results: four captions read back, then said
    QTest::newRow("collector current typed, x 5")
        << QStringList{"", "", "12", "100", "5"} << 1 << 2
        << QStringList{u"corrente di base: 600 \u00B5A"_s,
                       "resistenza di base: 7.167 Ohm\r\n(7,17K)", "7,1K", "Watt:"}
        << 5; // the spoken results
    QTest::newRow("stops for the gain") << QStringList{"12", "1000", "", "", "5"} << 1 << 0
                                        << QStringList{"", "", "", "Watt:"} << 1; // the focus
  }
  void aFailingOperationIsSkippedAndTheNextRunIsWhole() {
    QFETCH(QStringList, boxes);
    QFETCH(int, unit);
    QFETCH(int, multiplier);
    QFETCH(QStringList, labels);
    QFETCH(int, lastStatement);

    Fixture normal;
    prepare(normal, boxes, unit, multiplier);
    normal.calc.calculate();
    const auto &c = normal.panel.captions;
    QCOMPARE((QStringList{c[9], c[10], c[11], c[13]}), labels);
    const int total = normal.panel.operations;
    const QStringList expected = results(normal.panel);

    for (int k = 1; k <= total; ++k) {
      Fixture b;
      prepare(b, boxes, unit, multiplier);
      b.panel.failAt = k;
      QVERIFY_THROWS_NO_EXCEPTION(b.calc.calculate());
      QVERIFY2(b.panel.failed, qPrintable(QStringLiteral("operation %1").arg(k)));
      // The run went on after the failed statement.
      if (k <= total - lastStatement)
        QVERIFY2(b.panel.operations > k,
                 qPrintable(QStringLiteral("stopped at operation %1").arg(k)));

      // The same input again, with nothing failing: the normal results.
      prepare(b, boxes, unit, multiplier);
      b.panel.failAt = 0;
      b.calc.calculate();
      QCOMPARE(results(b.panel), expected);
    }
  }
};

QTEST_APPLESS_MAIN(FaultsTest)
#include "tst_faults.moc"
