#include "fakePanel.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString resistorPrompt = QStringLiteral("Inserire un valore di resistenza   ");
const QString voltagePrompt = QStringLiteral("Inserire un valore di tensione   ");
const QString currentPrompt =
    QStringLiteral("Inserire un valore di  'Corrente di Collettore'   ");
const QString gainPrompt = QStringLiteral("Inserire il valore di HFE (Gain)");
const QString baseVoltagePrompt = QStringLiteral("Inserire la tensione di base");
const QString scaleError = QStringLiteral("Errore di scala");

void fill(Fixture &b, const QString &vc, const QString &rc, const QString &ic,
          const QString &gain = QStringLiteral("160"), const QString &vbb = QStringLiteral("5")) {
  b.panel.boxes = {vc, rc, ic, gain, vbb};
}
} // namespace

class CalculateTest : public QObject {
  Q_OBJECT
private slots:
  // How the collector circuit is completed, or what is asked for.
  void collectorCircuitIsCompleted_data() {
    QTest::addColumn<QString>("vc");
    QTest::addColumn<QString>("rc");
    QTest::addColumn<QString>("ic");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("boxesAfter"); // boxes 0 to 2
    QTest::addColumn<int>("unitAfter");          // the selector's entry
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<int>("focus");
    QTest::newRow("V and R replace a typed current")
        << "12" << "1000" << "99" << 1 << QStringList{"12", "1000", "12"} << 1 << QStringList{} << -1;
    QTest::newRow("V and R from any unit")
        << "12" << "470" << "" << 3 << QStringList{"12", "470", "25,5"} << 1 << QStringList{} << -1;
    QTest::newRow("V and R ranged to uA")
        << "5" << "10000" << "" << 1 << QStringList{"5", "10000", "500"} << 2 << QStringList{} << -1;
    QTest::newRow("R filled in")
        << "12" << "" << "12" << 1 << QStringList{"12", "1000", "12"} << 1 << QStringList{} << -1;
    QTest::newRow("V filled in")
        << "" << "1000" << "12" << 1 << QStringList{"12", "1000", "12"} << 1 << QStringList{} << -1;
    QTest::newRow("filled-in V is whole")
        << "" << "1000" << "100" << 1 << QStringList{"100", "1000", "100"} << 1 << QStringList{} << -1;
    QTest::newRow("R asked for")
        << "12" << "" << "" << 1 << QStringList{"12", "", ""} << 1 << QStringList{resistorPrompt} << 1;
    QTest::newRow("V asked for")
        << "" << "1000" << "" << 1 << QStringList{"", "1000", ""} << 1 << QStringList{voltagePrompt} << 0;
    QTest::newRow("current alone used as typed")
        << "" << "" << "5" << 1 << QStringList{"", "", "5"} << 1 << QStringList{} << -1;
    QTest::newRow("half an ampere stays")
        << "" << "" << "0,5" << 0 << QStringList{"", "", "0,5"} << 0 << QStringList{} << -1;
    QTest::newRow("nothing: current asked for")
        << "" << "" << "" << 1 << QStringList{"", "", ""} << 1 << QStringList{currentPrompt} << 2;
    QTest::newRow("zero current ranged")
        << "" << "" << "0" << 1 << QStringList{"", "", "0"} << 1 << QStringList{scaleError, scaleError} << -1;
    QTest::newRow("unreadable current ranged")
        << "" << "" << "1,2,3" << 1 << QStringList{"", "", "0"} << 1 << QStringList{scaleError, scaleError} << -1;
    QTest::newRow("unreadable voltage counts as missing")
        << "," << "1000" << "" << 1 << QStringList{",", "1000", ""} << 1 << QStringList{voltagePrompt} << 0;
    QTest::newRow("no unit: R cannot be filled in")
        << "12" << "" << "20" << -1 << QStringList{"12", "", "20"} << -1 << QStringList{} << -1;
  }
  void collectorCircuitIsCompleted() {
    QFETCH(QString, vc);
    QFETCH(QString, rc);
    QFETCH(QString, ic);
    QFETCH(int, unit);
    QFETCH(QStringList, boxesAfter);
    QFETCH(int, unitAfter);
    QFETCH(QStringList, prompts);
    QFETCH(int, focus);
    Fixture b;
    fill(b, vc, rc, ic);
    b.panel.selected = int16_t(unit);
    b.calc.calculate();
    QCOMPARE((QStringList{b.panel.boxes[0], b.panel.boxes[1], b.panel.boxes[2]}), boxesAfter);
    QCOMPARE(int(b.panel.selected), unitAfter);
    QStringList shown;
    for (const auto &m : b.panel.messages)
      shown << m.prompt;
    QCOMPARE(shown, prompts);
    QCOMPARE(int(b.panel.focused), focus);
  }

  void gainAndBaseVoltageAreCheckedFirst_data() {
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("vbb");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("focus");
    QTest::newRow("no gain, nothing else") << "" << "" << gainPrompt << 3;
    QTest::newRow("zero gain") << "0" << "5" << gainPrompt << 3;
    QTest::newRow("no base voltage") << "160" << "" << baseVoltagePrompt << 4;
    QTest::newRow("base voltage ,5 reads 0") << "160" << ",5" << baseVoltagePrompt << 4;
    QTest::newRow("base voltage ,7 reads 1") << "160" << ",7" << currentPrompt << 2;
  }
  void gainAndBaseVoltageAreCheckedFirst() {
    QFETCH(QString, gain);
    QFETCH(QString, vbb);
    QFETCH(QString, prompt);
    QFETCH(int, focus);
    Fixture b;
    fill(b, {}, {}, {}, gain, vbb);
    b.calc.calculate();
    QCOMPARE(b.panel.messages.size(), std::size_t(1));
    QCOMPARE(b.panel.messages[0].prompt, prompt);
    QCOMPARE(b.panel.messages[0].style, MsgBoxStyle::Information);
    QCOMPARE(b.panel.messages[0].title, QStringLiteral("Base Resistor Calculator"));
    QCOMPARE(int(b.panel.focused), focus);
  }

  void resultsOfAWholeRun_data() {
    QTest::addColumn<QStringList>("boxes"); // Vc, Rc, Ic, HFE, Vbb
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QStringList>("labels"); // lblBJT 9, 10, 11, 13
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<int>("unitAtEnd"); // nScala
    QTest::newRow("12 V 1000 ohm x 1")
        << QStringList{"12", "1000", "", "100", "5"} << 1 << 0
        << QStringList{u"corrente di base: 120 \u00B5A"_s,
                       "resistenza di base: 35.833 Ohm\r\n(35,83K)", "35,8K", "Watt:  0,14"}
        << "MicroAmpere" << 2;
    QTest::newRow("12 V 1000 ohm x 3")
        << QStringList{"12", "1000", "", "100", "5"} << 1 << 1
        << QStringList{u"corrente di base: 360 \u00B5A"_s,
                       "resistenza di base: 11.944 Ohm\r\n(11,94K)", "11,9K", "Watt:  0,14"}
        << "MicroAmpere" << 2;
    QTest::newRow("x 5 multiplies the current only")
        << QStringList{"", "", "12", "100", "5"} << 1 << 2
        << QStringList{u"corrente di base: 600 \u00B5A"_s,
                       "resistenza di base: 7.167 Ohm\r\n(7,17K)", "7,1K", "Watt:"}
        << "MicroAmpere" << 2;
    QTest::newRow("base current of 1 or more not re-expressed")
        << QStringList{"", "", "500", "100", "5"} << 2 << 1
        << QStringList{u"corrente di base: 15 \u00B5A"_s,
                       "resistenza di base: 286.667 Ohm\r\n(286,67K)", "286,6K", "Watt:"}
        << "MicroAmpere" << 2;
    QTest::newRow("rounded to thousandths before ranging")
        << QStringList{"", "", "10", "160", "5"} << 1 << 0
        << QStringList{u"corrente di base: 62 \u00B5A"_s,
                       "resistenza di base: 69.355 Ohm\r\n(69,35K)", "69,3K", "Watt:"}
        << "MicroAmpere" << 2;
    QTest::newRow("power from typed voltage and current")
        << QStringList{"12", "", "150", "100", "5"} << 1 << 0
        << QStringList{"corrente di base: 1,5 mA", "resistenza di base: 2.867 Ohm\r\n(2,87K)",
                       "2,8K", "Watt:  1,8"}
        << "MilliAmpere" << 1;
    QTest::newRow("resistor value rounds up to 2K")
        << QStringList{"", "", "2,1608", "1", "5"} << 1 << 0
        << QStringList{"corrente di base: 2,16 mA", "resistenza di base: 1.990 Ohm\r\n(1,99K)",
                       "2K", "Watt:"}
        << "MilliAmpere" << 1;
    QTest::newRow("nA base current")
        << QStringList{"", "", "5", "100", "12"} << 2 << 0
        << QStringList{"corrente di base: 50 nA", "resistenza di base: 226.000.000 Ohm\r\n(226.000,0K)",
                       "226000K", "Watt:"}
        << "NanoAmpere" << 3;
  }
  void resultsOfAWholeRun() {
    QFETCH(QStringList, boxes);
    QFETCH(int, unit);
    QFETCH(int, multiplier);
    QFETCH(QStringList, labels);
    QFETCH(QString, toolTip);
    QFETCH(int, unitAtEnd);
    Fixture b;
    fill(b, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
    b.panel.selected = int16_t(unit);
    b.panel.chooseMultiplier(multiplier);
    b.calc.calculate();
    QCOMPARE(b.panel.messages.size(), std::size_t(0));
    const auto &c = b.panel.captions;
    QCOMPARE((QStringList{c[9], c[10], c[11], c[13]}), labels);
    QCOMPARE(b.panel.toolTips[9], toolTip);
    QCOMPARE(int(b.calc.nScala), unitAtEnd);
    QCOMPARE(int(b.panel.selected), unit);
    QVERIFY(c[12].startsWith(QStringLiteral("Ic= Vc / Rc\r\n")));
  }

  // A run that shows results has a screen reader say them, as they read on
  // the screen, and what to fit; one that asks for input says nothing more.
  void aRunThatShowsResultsSaysThem_data() {
    QTest::addColumn<QStringList>("boxes"); // Vc, Rc, Ic, HFE, Vbb
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("said");
    QTest::newRow("worked example")
        << QStringList{"12", "1000", "", "100", "5"} << 1
        << QStringList{u"corrente di base: 120 µA. resistenza di base: 35.833 Ohm (35,83K). "
                       u"Resistenza di base: 35,8K. Watt: 0,14. Valori normalizzati per difetto: "
                       u"E12 33K · E24 33K · E96 35,7K. Potenza su Rb: 520 µW."_s};
    QTest::newRow("no voltage, no power")
        << QStringList{"", "", "10", "160", "5"} << 1
        << QStringList{u"corrente di base: 62 µA. resistenza di base: 69.355 Ohm (69,35K). "
                       u"Resistenza di base: 69,3K. Valori normalizzati per difetto: "
                       u"E12 68K · E24 68K · E96 68,1K. Potenza su Rb: 270 µW."_s};
    QTest::newRow("no unit: only the base current")
        << QStringList{"", "", "20", "160", "5"} << -1
        << QStringList{"corrente di base: 0 ERR."};
    QTest::newRow("asks for the current") << QStringList{"", "", "", "160", "5"} << 1
                                          << QStringList{};
  }
  void aRunThatShowsResultsSaysThem() {
    QFETCH(QStringList, boxes);
    QFETCH(int, unit);
    QFETCH(QStringList, said);
    Fixture b;
    fill(b, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
    b.panel.selected = int16_t(unit);
    b.panel.chooseMultiplier(0);
    b.calc.calculate();
    QCOMPARE(b.panel.announced, said);
  }

  // The base resistor's tooltip names the standard values to fit and the
  // power the computed resistor takes.
  void baseResistorToolTipSaysWhatToFit_data() {
    QTest::addColumn<QStringList>("boxes"); // Vc, Rc, Ic, HFE, Vbb
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QString>("toolTip");
    const QString values = QStringLiteral("Valori normalizzati per difetto: ");
    const QString power = QStringLiteral("\nPotenza su Rb: ");
    QTest::newRow("worked example x 1, 35833 ohm")
        << QStringList{"12", "1000", "", "100", "5"} << 1 << 0
        << values + u"E12 33K \u00B7 E24 33K \u00B7 E96 35,7K"_s + power + u"520 \u00B5W"_s;
    QTest::newRow("worked example x 3, 11944 ohm")
        << QStringList{"12", "1000", "", "100", "5"} << 1 << 1
        << values + u"E12 10K \u00B7 E24 11K \u00B7 E96 11,8K"_s + power + "1,5 mW";
    QTest::newRow("430 ohm")
        << QStringList{"", "", "1", "100", "5"} << 0 << 0
        << values + u"E12 390 Ohm \u00B7 E24 430 Ohm \u00B7 E96 422 Ohm"_s + power + "43 mW";
    QTest::newRow("226 megaohm")
        << QStringList{"", "", "5", "100", "12"} << 2 << 0
        << values + u"E12 220M \u00B7 E24 220M \u00B7 E96 226M"_s + power + "570 nW";
    QTest::newRow("below 1 ohm nothing is sold")
        << QStringList{"", "", "100", "1", "1"} << 0 << 0
        << values + u"E12 nessuno \u00B7 E24 nessuno \u00B7 E96 nessuno"_s + power + "30 W";
    QTest::newRow("base voltage below 0,7 V: nothing to fit")
        << QStringList{"", "", "12", "100", "-5"} << 1 << 0 << "";
  }
  void baseResistorToolTipSaysWhatToFit() {
    QFETCH(QStringList, boxes);
    QFETCH(int, unit);
    QFETCH(int, multiplier);
    QFETCH(QString, toolTip);
    Fixture b;
    fill(b, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
    b.panel.selected = int16_t(unit);
    b.panel.chooseMultiplier(multiplier);
    b.panel.toolTips[10] = QStringLiteral("an earlier run's");
    b.calc.calculate();
    QCOMPARE(b.panel.messages.size(), std::size_t(0));
    QVERIFY(b.panel.captions[10].startsWith(QStringLiteral("resistenza di base: ")));
    QCOMPARE(b.panel.toolTips[10], toolTip);
  }

  // Nothing of the resistor or the power is shown when it cannot be known.
  void noMadeUpResistorOrPower_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("baseCurrent");
    QTest::addColumn<QStringList>("prompts");
    QTest::newRow("base current rounds to 0")
        << QStringList{"", "", "0,01", "160", "5"} << 1 << "corrente di base: 0 mA" << QStringList{scaleError};
    QTest::newRow("no unit selected")
        << QStringList{"12", "", "20", "160", "5"} << -1 << "corrente di base: 0 ERR" << QStringList{};
    QTest::newRow("beyond 32-bit ohms")
        << QStringList{"", "", "1", "999", "99"} << 3 << "corrente di base: 1 pA" << QStringList{};
    QTest::newRow("zero current in nA, silently to pA")
        << QStringList{"", "", "0", "160", "5"} << 3 << "corrente di base: 0 pA" << QStringList{};
  }
  void noMadeUpResistorOrPower() {
    QFETCH(QStringList, boxes);
    QFETCH(int, unit);
    QFETCH(QString, baseCurrent);
    QFETCH(QStringList, prompts);
    Fixture b;
    // An earlier complete run leaves results that must not survive.
    fill(b, "12", "1000", "", "100", "5");
    b.calc.calculate();
    QCOMPARE(b.panel.captions[11], QStringLiteral("11,9K"));
    QVERIFY(!b.panel.toolTips[10].isEmpty());

    fill(b, boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
    b.panel.selected = int16_t(unit);
    b.panel.chooseMultiplier(0);
    b.panel.messages.clear();
    b.calc.calculate();
    QStringList shown;
    for (const auto &m : b.panel.messages)
      shown << m.prompt;
    QCOMPARE(shown, prompts);
    const auto &c = b.panel.captions;
    QCOMPARE((QStringList{c[9], c[10], c[11], c[13]}),
             (QStringList{baseCurrent, "", "", "Watt:"}));
    QCOMPARE(b.panel.toolTips[10], QString());
  }

  void aRefusedRunClearsEveryResult() {
    Fixture b;
    fill(b, "12", "1000", "", "100", "5");
    b.calc.calculate();
    QVERIFY(!b.panel.toolTips[10].isEmpty());
    b.panel.boxes[3].clear();
    b.calc.calculate();
    QCOMPARE(b.panel.lastPrompt(), gainPrompt);
    const auto &c = b.panel.captions;
    QCOMPARE((QStringList{c[9], c[10], c[11], c[13]}), (QStringList{"", "", "", "Watt:"}));
    QCOMPARE(b.panel.toolTips[9], QStringLiteral("MicroAmpere")); // the unit's name stays
    QCOMPARE(b.panel.toolTips[10], QString()); // what to fit goes with the resistor
  }

  void eachRunStartsFromTheSelectorsUnit() {
    Fixture b;
    fill(b, "12", "1000", "", "100", "5");
    b.calc.calculate();
    QCOMPARE(b.calc.nScala, int16_t(2)); // the base current's unit...
    QCOMPARE(b.panel.selected, int16_t(1)); // ...while the selector shows mA
    fill(b, "", "", "20", "100", "5");
    b.calc.calculate();
    QCOMPARE(b.panel.captions[9], u"corrente di base: 600 \u00B5A"_s); // 20 mA x 3, not 20 uA
  }

  void aFilledInValueIsReadWholeByTheNextRun() {
    Fixture b;
    fill(b, "", "1000", "100", "100", "5");
    b.panel.chooseMultiplier(0);
    b.calc.calculate();
    QCOMPARE(b.panel.boxes[0], QStringLiteral("100"));
    b.panel.boxes[2].clear();
    b.calc.calculate();
    QCOMPARE(b.panel.boxes[2], QStringLiteral("100")); // 100 V / 1000 ohm, not 10 V
    QCOMPARE(b.panel.captions[13], QStringLiteral("Watt:  10"));
  }

  void theFormulaPanelIsRefreshedEvenWhenTheRunStops() {
    Fixture b;
    fill(b, "", "", "", "160", "12");
    b.panel.chooseMultiplier(2);
    b.calc.calculate();
    QCOMPARE(b.panel.lastPrompt(), currentPrompt);
    QCOMPARE(b.panel.captions[12],
             QStringLiteral("Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 5\r\nRb= (12V-0,7V) / Ib"));
  }

  void enterFillInUsesTheSelectorsUnit() {
    Fixture b;
    fill(b, "12", "1000", "", "100", "5");
    b.calc.calculate(); // leaves nScala on uA
    fill(b, "12", "", "20", "100", "5");
    b.calc.fillInCollectorResistance();
    QCOMPARE(b.panel.boxes[1], QStringLiteral("600"));
    b.panel.boxes[0].clear();
    b.panel.boxes[1] = QStringLiteral("33");
    b.calc.fillInCollectorResistance(); // an empty voltage changes nothing
    QCOMPARE(b.panel.boxes[1], QStringLiteral("33"));
    fill(b, "12", "33", ",", "100", "5");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, b.calc.fillInCollectorResistance());
    QCOMPARE(b.panel.boxes[1], QStringLiteral("33"));
  }
};

QTEST_APPLESS_MAIN(CalculateTest)
#include "tst_calculate.moc"
