// The calculate command: from the five boxes to a complete collector circuit
// and the base current's multiplier; showResults() goes on from there.
//
// The whole command runs in skip-on-error mode: a statement that raises a
// run-time error is abandoned where it failed and the next one runs. The mode
// is what the command's answers are made of: a box whose text does not
// convert leaves its value at 0, which reads as missing (so letters in the
// gain box ask for the gain), and a control that refuses a value costs only
// the one statement that wrote it, so every other result is still shown and
// the next run starts whole.
// Three kinds of statement can fail, and only these run through resumeNext
// (a few steps that must not half-happen, such as computing a value and
// writing it, run through it as one):
// - every call to the Panel: the window's controls may refuse an index or a
//   value (calc/panel.h), and AdattaScala and SimboloScala call the Panel;
// - every conversion (toSingle, toLong, ...) and checked arithmetic
//   (quotient, singleProduct, roundToDigits to a single, ...): text that is
//   no number, or a value beyond its type, raises (runtime/conversions.h);
// - a raiseError of its own (a unit index that names no unit).
// Assignments of values already computed, plain integer arithmetic and
// formatting (formatNumber never raises) run as they are.
#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/multipliers.h"
#include "calc/units.h"

#include "runtime/conversions.h"
#include "runtime/resume.h"
#include "runtime/rounding.h"

namespace {
QString title() { return QString::fromUtf16(MessageTitle); }
} // namespace

void Calculator::calculate() {
  Run run;
  resumeNext([&] { MostraFormule(); });
  for (int16_t unit = 0; unit < unitCount; ++unit)
    run.FattoriScala[std::size_t(unit)] = currentUnits[unit].factor;
  resumeNext([&] { nScala = panel.selectedUnit(); });

  // No result of an earlier run may stay beside this one, even when this
  // run stops for missing input.
  resumeNext([&] { panel.setCaption(label::BaseCurrent, QString()); });
  resumeNext([&] { panel.setCaption(label::BaseResistor, QString()); });
  resumeNext([&] { panel.setToolTip(label::BaseResistor, QString()); });
  resumeNext([&] { panel.setCaption(label::ResistorValue, QString()); });
  resumeNext([&] { panel.setCaption(label::Power, QString::fromLatin1(PowerCaption)); });

  resumeNext([&] { run.Vc = toLong(panel.boxText(box::CollectorVoltage)); });
  resumeNext([&] { run.Rc = toDouble(panel.boxText(box::CollectorResistance)); });
  resumeNext([&] { run.Ic = toSingle(panel.boxText(box::CollectorCurrent)); });
  resumeNext([&] { run.HFE = toSingle(panel.boxText(box::Gain)); });
  resumeNext([&] { run.Vbb = toInteger(panel.boxText(box::BaseVoltage)); });

  if (!checkAndCompleteInputs(run))
    return;
  applyMultiplier(run);
  showResults(run);
}

void Calculator::askFor(const QString &prompt, int16_t focusBox) {
  resumeNext([&] { panel.showMessage(prompt, MsgBoxStyle::Information, title()); });
  resumeNext([&] { panel.focusBox(focusBox); });
}

// Asks for what is missing (returning false: the run ends) or completes the
// collector circuit. The tests use the values as read, not what is filled in.
bool Calculator::checkAndCompleteInputs(Run &run) {
  if (run.HFE == 0) {
    askFor(QStringLiteral("Inserire il valore di HFE (Gain)"), box::Gain);
    return false;
  }
  if (run.Vbb == 0) {
    askFor(QStringLiteral("Inserire la tensione di base"), box::BaseVoltage);
    return false;
  }

  if (run.Rc == 0 && run.Vc > 0 &&
      !fillInOrAskFor(run, box::CollectorResistance, box::CollectorVoltage, &Calculator::CalcolaRc,
                      QStringLiteral("Inserire un valore di resistenza   ")))
    return false;
  if (run.Rc > 0 && run.Vc == 0 &&
      !fillInOrAskFor(run, box::CollectorVoltage, box::CollectorResistance, &Calculator::CalcolaVc,
                      QStringLiteral("Inserire un valore di tensione   ")))
    return false;

  if (run.Rc > 0 && run.Vc > 0)
    completeCollectorCurrent(run);

  if (!run.IcCalcolata) {
    QString text;
    const bool read = resumeNext([&] { text = panel.boxText(box::CollectorCurrent); });
    if (read && text.isEmpty()) {
      askFor(QStringLiteral("Inserire un valore di  'Corrente di Collettore'   "),
             box::CollectorCurrent);
      return false;
    }
    // A current that reads as zero or not at all is read again and ranged; the
    // box then shows what the run goes on with. A nonzero current is used as
    // typed, in the unit selected.
    if (run.Ic == 0) {
      const bool readAgain = resumeNext([&] { text = panel.boxText(box::CollectorCurrent); });
      if (readAgain && !text.isEmpty()) {
        resumeNext([&] { run.Ic = toSingle(text); });
        resumeNext([&] { ValoreScalato = AdattaScala(run.Ic); });
        run.Ic = ValoreScalato;
        resumeNext(
            [&] { panel.setBoxText(box::CollectorCurrent, textOf(roundToDigits(run.Ic, 2))); });
      }
    }
  }
  return true;
}

// A missing collector resistance or voltage is computed from the other one
// and the current; without a current it is asked for (returning false: the
// run ends). The conversions take the current first, then the other box; a
// fill-in that fails leaves the box as it was.
bool Calculator::fillInOrAskFor(const Run &run, int16_t missing, int16_t known,
                                float (Calculator::*compute)(float, float) const,
                                const QString &prompt) {
  if (run.Ic > 0) {
    resumeNext([&] {
      const float current = toSingle(panel.boxText(box::CollectorCurrent));
      const float other = toSingle(panel.boxText(known));
      panel.setBoxText(missing, textOf((this->*compute)(other, current)));
    });
    return true;
  }
  askFor(prompt, missing);
  return false;
}

// Collector current from voltage and resistance, ranged from amperes into a
// readable unit, written back with its unit; whatever the box held is replaced.
void Calculator::completeCollectorCurrent(Run &run) {
  resumeNext([&] { panel.setBoxText(box::CollectorCurrent, QString()); });
  nScala = 0;
  resumeNext([&] { panel.selectUnit(nScala); });
  resumeNext([&] { run.Ic = toSingle(quotient(double(run.Vc), run.Rc)); });
  resumeNext([&] { run.Ic = roundToDigits(run.Ic, 8); });
  resumeNext([&] { ValoreScalato = AdattaScala(run.Ic); });
  run.Ic = ValoreScalato;
  resumeNext([&] { panel.setBoxText(box::CollectorCurrent, textOf(roundToDigits(run.Ic, 1))); });
  resumeNext([&] { panel.selectUnit(nScala); });
  run.IcCalcolata = true;
}

// The multiplier applies to the current used for the base current only; the
// box keeps the collector current without it. An option of factor 1 changes
// nothing and is not looked at.
void Calculator::applyMultiplier(Run &run) {
  for (int16_t i = 0; i < multiplierCount; ++i) {
    const int16_t factor = multipliers[i].factor;
    if (factor == 1)
      continue;
    resumeNext([&] {
      if (panel.multiplierChosen(i))
        run.Ic = singleProduct(run.Ic, factor);
    });
  }
}

void Calculator::fillInCollectorResistance() {
  const QString voltageText = panel.boxText(box::CollectorVoltage);
  const QString currentText = panel.boxText(box::CollectorCurrent);
  if (voltageText.isEmpty() || currentText.isEmpty())
    return;
  // The current is in the unit the selector shows, as the calculation that
  // follows will read it; nScala may still name an earlier base current's unit.
  nScala = panel.selectedUnit();
  const float current = toSingle(currentText);
  const float voltage = toSingle(voltageText);
  panel.setBoxText(box::CollectorResistance, textOf(CalcolaRc(voltage, current)));
}
