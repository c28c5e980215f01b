// Time of one calculation, the worked example (12 V, 1000 ohm, gain 100,
// 5 V on the base, x 1), through the real window and on the calculation
// alone. Each measured run rewrites the boxes with what they already hold
// (the collector current box gets "12" again, the selector mA again), so the
// runs are alike; the results are checked before and after timing.
//
//   bench_calculation [QtTest options, e.g. -median 9]
#include "app/appSetup.h"
#include "tests/fakePanel.h"
#include "tests/windowInspector.h"
#include "ui/frmBJT.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList workedExampleResults{u"corrente di base: 120 \u00B5A"_s,
                                       QStringLiteral("resistenza di base: 35.833 Ohm\r\n(35,83K)"),
                                       QStringLiteral("35,8K"), QStringLiteral("Watt:  0,14")};
const QStringList workedExampleBoxes{QStringLiteral("12"), QStringLiteral("1000"),
                                     QStringLiteral("12"), QStringLiteral("100"),
                                     QStringLiteral("5")};

QStringList results(const Panel &panel) {
  return {panel.caption(9), panel.caption(10), panel.caption(11), panel.caption(13)};
}

QStringList boxes(const Panel &panel) {
  QStringList texts;
  for (int16_t i = 0; i < 5; ++i)
    texts << panel.boxText(i);
  return texts;
}

} // namespace

class CalculationBench : public QObject {
  Q_OBJECT

  struct Window {
    frmBJT w;
    WindowInspector c{w};
    QStringList shown;
    Window() {
      w.setMessageHandler(
          [this](const QString &prompt, MsgBoxStyle, const QString &) { shown << prompt; });
      w.show();
      const QStringList typed{"12", "1000", "", "100", "5"};
      for (int16_t i = 0; i < 5; ++i)
        c.panel.setBoxText(i, typed[i]);
      c.optSatura[0]->setChecked(true); // x 1; choosing it calculates once
    }
  };

  // The worked example's results, no message box, and the boxes and the
  // unit as the next run needs them. Returns false after a failed check.
  static bool check(const Panel &panel, const QStringList &shown) {
    [&] {
      QCOMPARE(shown, QStringList());
      QCOMPARE(results(panel), workedExampleResults);
      QCOMPARE(boxes(panel), workedExampleBoxes);
      QCOMPARE(panel.selectedUnit(), int16_t(1));
    }();
    return !QTest::currentTestFailed();
  }

private slots:
  void initTestCase() { setUpApplication(); }

  // cmdCalcola_Click on the shown window; the repaint it asks for is not part
  // of the run (it happens when the event loop next runs).
  void throughTheWindow() {
    Window f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    f.w.cmdCalcola_Click();
    QVERIFY(check(f.c.panel, f.shown));
    QBENCHMARK { f.w.cmdCalcola_Click(); }
    QVERIFY(check(f.c.panel, f.shown));
  }

  // The same, followed by the repaint of what changed, as a user would see it.
  void throughTheWindowWithRepaint() {
    Window f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.w));
    f.w.cmdCalcola_Click();
    QCoreApplication::processEvents();
    QVERIFY(check(f.c.panel, f.shown));
    QBENCHMARK {
      f.w.cmdCalcola_Click();
      QCoreApplication::processEvents();
    }
    QVERIFY(check(f.c.panel, f.shown));
  }

  // The calculation alone, on an in-memory panel.
  void calculationAlone() {
    Fixture b;
    const QStringList typed{"12", "1000", "", "100", "5"};
    for (int16_t i = 0; i < 5; ++i)
      b.panel.setBoxText(i, typed[i]);
    b.panel.chooseMultiplier(0);
    b.calc.calculate();
    const auto shown = [&] {
      QStringList prompts;
      for (const auto &m : b.panel.messages)
        prompts << m.prompt;
      return prompts;
    };
    QVERIFY(check(b.panel, shown()));
    QBENCHMARK { b.calc.calculate(); }
    QVERIFY(check(b.panel, shown()));
  }
};

QTEST_MAIN(CalculationBench)
#include "calculationBench.moc"
