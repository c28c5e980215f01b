// The second half of the calculate command: base current, base resistor
// (with the standard values to fit in its tooltip), the rounded resistor
// value and the collector power, then all of them said by a screen reader.
#include "calc/baseResistorToolTip.h"
#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/transistor.h"
#include "calc/units.h"

#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "runtime/format.h"
#include "runtime/resume.h"
#include "runtime/rounding.h"

void Calculator::showResults(Run &run) {
  float Ib = 0;
  float Rb = 0;
  int32_t RbOhm = 0;
  QString TestoOhm;
  QString TestoKilo;
  QString toFit; // the base resistor's tooltip
  // The unit of Ic, which is also the unit the collector-current box is written in.
  const int16_t collectorUnit = nScala;

  resumeNext([&] { Ib = roundToDigits(singleQuotient(run.Ic, run.HFE), 3); });
  resumeNext([&] { ValoreScalato = AdattaScala(Ib); });
  resumeNext([&] {
    const QString number = textOf(roundToDigits(ValoreScalato, 2));
    panel.setCaption(label::BaseCurrent,
                     QStringLiteral("corrente di base: ") + number + SimboloScala(nScala));
  });

  // Rb = (Vbb - the base-emitter drop) / Ib in amperes. Nothing of the
  // resistor is shown when it cannot be computed (no base current, no unit)
  // or is not a whole number of ohms that fits 32 bits: a made-up 0 ohms
  // would be a bad recommendation.
  const bool haveResistor = resumeNext([&] {
                              if (!namesUnit(nScala))
                                raiseError(err::SubscriptOutOfRange);
                              const double amperes =
                                  quotient(double(ValoreScalato), run.FattoriScala[nScala]);
                              Rb = toSingle(quotient(double(run.Vbb) - BaseEmitterDrop, amperes));
                            }) &&
                            resumeNext([&] { RbOhm = toLong(double(Rb)); });

  if (haveResistor) {
    const QString crLf = QString::fromUtf16(CrLf);
    TestoOhm = formatNumber(double(RbOhm), QStringLiteral("#,###")) + QStringLiteral(" Ohm") + crLf;
    resumeNext([&] {
      const float kilo = roundToDigits(singleQuotient(Rb, 1000), 2);
      TestoKilo = QStringLiteral("(") + formatNumber(kilo, QStringLiteral("#,###0.0#")) +
                  QStringLiteral("K)");
    });
    resumeNext([&] {
      toFit = baseResistorToolTip(Rb, run.Vbb);
      panel.setToolTip(label::BaseResistor, toFit);
    });
    resumeNext([&] { panel.setCaption(label::BaseResistor, TestoOhm); });
    resumeNext([&] {
      if (!TestoKilo.isEmpty())
        panel.setCaption(label::BaseResistor, QStringLiteral("resistenza di base: ") +
                                                  panel.caption(label::BaseResistor) + TestoKilo);
    });

    // The value beside the resistor picture: whole ohms with the last digit
    // set to zero, raised by ten, then cut down to whole hundreds.
    int32_t n = 0, t = 0;
    resumeNext([&] {
      n = toLong(double(Rb));
      t = toLong(double(Rb) - double(n % 10) + 10.0);
    });
    const int32_t h = t - t % 100;
    resumeNext([&] {
      panel.setCaption(label::ResistorValue, textOf(double(h) / 1000.0) + QStringLiteral("K"));
    });
  }

  // The power comes from the boxes: the collector voltage and the collector
  // current without the multiplier, in the collector current's unit. Without
  // such a unit there is no power to show.
  const int16_t baseUnit = nScala;
  nScala = collectorUnit;
  resumeNext([&] {
    if (!namesUnit(nScala))
      raiseError(err::SubscriptOutOfRange);
    const float current = toSingle(panel.boxText(box::CollectorCurrent));
    const float voltage = toSingle(panel.boxText(box::CollectorVoltage));
    panel.setCaption(label::Power, QString::fromLatin1(PowerCaption) + QStringLiteral("  ") +
                                       textOf(CalcolaWatt(voltage, current)));
  });
  nScala = baseUnit;

  resumeNext([&] { panel.announce(spokenResults(toFit)); });
}

// The results this run shows, in the order they are read on the screen, and
// then what to fit: each as one sentence, a caption's line breaks as blanks.
// A result the run could not show is left out: its label is empty, or the
// power's holds its bare caption.
QString Calculator::spokenResults(const QString &toFit) const {
  QStringList sentences;
  const auto add = [&](const QString &text) {
    QString sentence = text.simplified();
    if (sentence.isEmpty())
      return;
    if (!sentence.endsWith(u'.'))
      sentence += u'.';
    sentences << sentence;
  };
  add(panel.caption(label::BaseCurrent));
  add(panel.caption(label::BaseResistor));
  if (const QString value = panel.caption(label::ResistorValue); !value.isEmpty())
    add(QStringLiteral("Resistenza di base: ") + value);
  if (const QString power = panel.caption(label::Power);
      power.simplified() != QLatin1String(PowerCaption))
    add(power);
  for (const QString &line : toFit.split(u'\n'))
    add(line);
  return sentences.join(u' ');
}
