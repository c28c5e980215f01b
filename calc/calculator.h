#pragma once

#include "calc/panel.h"
#include "calc/units.h"

#include <QString>

#include <array>
#include <cstdint>

// The calculation behind the window: the unit index and its auto-ranging,
// the collector arithmetic, the formula panel and the calculate command. It
// owns the two values that outlive a run, nScala and ValoreScalato, and talks
// to the window only through the Panel.
class Calculator {
public:
  explicit Calculator(Panel &panel) : panel(panel) {}

  // Index of the current unit in currentUnits (0 A ... 4 pA); 5 after a value
  // that could not be ranged in nA; -1 when the selector has no selection.
  int16_t nScala = 0;
  // The last result of AdattaScala made by the calculate command.
  float ValoreScalato = 0;

  // Handlers in skip-on-error mode: a statement that fails is skipped, so
  // they never throw a run-time error.
  void cboScala_Click();
  // The calculate command. The window reaches it only through its
  // cmdCalcola_Click, whatever started the run (button, Enter, multiplier).
  void calculate();

  // Enter in the collector-current box: fills in the collector resistance
  // from the voltage and the current in the unit the selector shows. Not in
  // skip-on-error mode: it throws the run-time error of a failed conversion
  // or computation, which its caller handles.
  void fillInCollectorResistance();

  // Procedures without a handler of their own: an error ends them and
  // reaches the caller.
  void MostraFormule();
  float AdattaScala(float value);
  QString SimboloScala(int16_t unit);
  float CalcolaRc(float voltage, float current) const;
  float CalcolaVc(float resistance, float current) const;
  float CalcolaWatt(float voltage, float current) const;

private:
  // The values of one run of the calculate command; all start at zero.
  struct Run {
    std::array<double, unitCount> FattoriScala{};
    int32_t Vc = 0;
    double Rc = 0;
    float Ic = 0;
    float HFE = 0;
    int16_t Vbb = 0;
    bool IcCalcolata = false;
  };

  bool checkAndCompleteInputs(Run &run);
  bool fillInOrAskFor(const Run &run, int16_t missing, int16_t known,
                      float (Calculator::*compute)(float, float) const, const QString &prompt);
  void completeCollectorCurrent(Run &run);
  void applyMultiplier(Run &run);
  void showResults(Run &run);
  // What a screen reader says of the results just shown, with the standard
  // values and the power on Rb (the base resistor's tooltip).
  QString spokenResults(const QString &toFit) const;
  void askFor(const QString &prompt, int16_t focusBox);
  float amperes(float current) const;

  Panel &panel;
};
