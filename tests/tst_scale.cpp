#include "fakePanel.h"

#include <QTest>

using namespace Qt::StringLiterals;

class ScaleTest : public QObject {
  Q_OBJECT
private slots:
  void autoRanging_data() {
    QTest::addColumn<int>("unitBefore");
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("result");
    QTest::addColumn<int>("unitAfter");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("selected"); // the selector's entry afterwards (1 before)
    QTest::newRow("A: at least 1 stays") << 0 << 2.f << 2.f << 0 << false << 1;
    QTest::newRow("A: never to a larger unit") << 0 << 1500.f << 1500.f << 0 << false << 1;
    QTest::newRow("A to mA") << 0 << 0.0125f << 12.5f << 1 << false << 1;
    QTest::newRow("A to mA at exactly 1") << 0 << 0.001f << 1.f << 1 << false << 1;
    QTest::newRow("A to uA selects uA") << 0 << 0.0005f << 500.f << 2 << false << 2;
    QTest::newRow("A: a millionth fails") << 0 << 0.000001f << 0.f << 0 << true << 1;
    QTest::newRow("A: zero fails") << 0 << 0.f << 0.f << 0 << true << 1;
    QTest::newRow("mA: 1 stays") << 1 << 1.f << 1.f << 1 << false << 1;
    QTest::newRow("mA to uA") << 1 << 0.05f << 50.f << 2 << false << 1;
    QTest::newRow("mA to nA") << 1 << 0.0000011f << 1.1f << 3 << false << 1;
    QTest::newRow("mA: a millionth fails") << 1 << 0.000001f << 0.f << 1 << true << 1;
    QTest::newRow("mA: zero fails") << 1 << 0.f << 0.f << 1 << true << 1;
    QTest::newRow("mA: negative fails") << 1 << -3.f << 0.f << 1 << true << 1;
    QTest::newRow("uA to nA") << 2 << 0.002f << 2.f << 3 << false << 1;
    QTest::newRow("uA: two steps give one") << 2 << 0.0005f << 0.5f << 3 << false << 1;
    QTest::newRow("uA: zero to pA silently") << 2 << 0.f << 0.f << 4 << false << 1;
    QTest::newRow("uA: tiny to pA as t2") << 2 << 0.0000005f << 0.5f << 4 << false << 1;
    QTest::newRow("nA stays") << 3 << 2.f << 2.f << 3 << false << 1;
    QTest::newRow("nA to pA") << 3 << 0.002f << 2.f << 4 << false << 1;
    QTest::newRow("nA: two steps name no unit") << 3 << 0.0005f << 0.f << 5 << false << 1;
    QTest::newRow("nA: tiny to pA as t1") << 3 << 0.0000005f << 0.0005f << 4 << false << 1;
    QTest::newRow("pA: no smaller unit") << 4 << 0.0001f << 0.0001f << 4 << false << 1;
    QTest::newRow("no unit selected") << -1 << 0.5f << 0.f << -1 << false << 1;
    QTest::newRow("no unit after ranging") << 5 << 0.5f << 0.f << 5 << false << 1;
  }
  void autoRanging() {
    QFETCH(int, unitBefore);
    QFETCH(float, value);
    QFETCH(float, result);
    QFETCH(int, unitAfter);
    QFETCH(bool, message);
    QFETCH(int, selected);
    Fixture b;
    b.calc.nScala = int16_t(unitBefore);
    QCOMPARE(b.calc.AdattaScala(value), result);
    QCOMPARE(int(b.calc.nScala), unitAfter);
    QCOMPARE(int(b.panel.selected), selected);
    QCOMPARE(b.panel.messages.size(), std::size_t(message));
    if (message) {
      QCOMPARE(b.panel.lastPrompt(), QStringLiteral("Errore di scala"));
      QCOMPARE(b.panel.messages[0].style, MsgBoxStyle::Critical);
      QCOMPARE(b.panel.messages[0].title, QStringLiteral("Base Resistor Calculator"));
    }
  }

  // Each unit gives its own suffix and name, and an index that names no unit
  // (none selected, ranged past nanoampere, any other) gives the error texts
  // instead of reading outside the table.
  void suffixesAndTooltipNames_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("name");
    QTest::newRow("ampere") << 0 << " A" << "Ampere";
    QTest::newRow("microampere") << 2 << u" \u00B5A"_s << "MicroAmpere";
    QTest::newRow("picoampere, reached by ranging alone") << 4 << " pA" << "PicoAmpere";
    QTest::newRow("none selected") << -1 << " ERR" << "Errore";
    QTest::newRow("past nA") << 5 << " ERR" << "Errore";
    QTest::newRow("most negative") << -32768 << " ERR" << "Errore";
    QTest::newRow("largest") << 32767 << " ERR" << "Errore";
  }
  void suffixesAndTooltipNames() {
    QFETCH(int, unit);
    QFETCH(QString, suffix);
    QFETCH(QString, name);
    Fixture b;
    QCOMPARE(b.calc.SimboloScala(int16_t(unit)), suffix);
    QCOMPARE(b.panel.toolTips[9], name);
  }

  // The selector's handler takes what the selector shows, nothing selected
  // included; a selector that cannot be read leaves the unit as it was, and
  // the handler does not throw.
  void selectorHandlerTakesTheSelection_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("unitAfter");
    QTest::newRow("nothing selected") << -1 << true << -1;
    QTest::newRow("A") << 0 << true << 0;
    QTest::newRow("nA") << 3 << true << 3;
    QTest::newRow("unreadable") << 3 << false << 2;
  }
  void selectorHandlerTakesTheSelection() {
    QFETCH(int, selected);
    QFETCH(bool, readable);
    QFETCH(int, unitAfter);
    struct Selector : FakePanel {
      bool readable = true;
      int16_t selectedUnit() const override {
        if (!readable)
          raiseError(err::InvalidPropertyValue);
        return FakePanel::selectedUnit();
      }
    };
    BasicFixture<Selector> b;
    b.calc.nScala = 2;
    b.panel.selected = int16_t(selected);
    b.panel.readable = readable;
    QVERIFY_THROWS_NO_EXCEPTION(b.calc.cboScala_Click());
    QCOMPARE(b.calc.nScala, int16_t(unitAfter));
  }

  void anEntryTheSelectorLacksIsRefused() {
    Fixture b;
    b.calc.nScala = 0;
    // 0.0005 A ranges to uA but selecting it fails: the error reaches the
    // caller, with nScala already moved.
    b.panel.units.resize(2);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, b.calc.AdattaScala(0.0005f));
    QCOMPARE(b.calc.nScala, int16_t(2));
    QCOMPARE(b.panel.selected, int16_t(1));
  }
};

QTEST_APPLESS_MAIN(ScaleTest)
#include "tst_scale.moc"
