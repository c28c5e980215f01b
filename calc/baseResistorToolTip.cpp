#include "calc/baseResistorToolTip.h"

#include "calc/standardResistors.h"
#include "calc/transistor.h"

#include "runtime/decimalDigits.h"

#include <cmath>
#include <string>

namespace {

struct PowerUnit {
  int exponent;
  const char16_t *symbol;
};

// Largest first; the last one also takes anything smaller.
constexpr PowerUnit powerUnits[] = {
    {0, u" W"}, {-3, u" mW"}, {-6, u" \u00B5W"}, {-9, u" nW"}, {-12, u" pW"}};

} // namespace

QString powerText(double watts) {
  if (!std::isfinite(watts) || watts <= 0)
    return {};

  // Two digits of the fifteen the number is written with, rounded by the
  // third, and the power of ten of the first.
  const DecimalDigits written = decimalDigits(watts, 15);
  int leading = written.exponent;
  int digits = (written.digits[0] - '0') * 10 + (written.digits[1] - '0');
  if (written.digits[2] >= '5')
    ++digits;
  if (digits == 100) {
    digits = 10;
    ++leading;
  }

  const PowerUnit *unit = std::end(powerUnits) - 1;
  for (const PowerUnit &u : powerUnits)
    if (leading >= u.exponent) {
      unit = &u;
      break;
    }

  // Digits before the comma: 1 to 3 within a unit, more in watts, none below
  // the smallest unit.
  const int whole = leading - unit->exponent + 1;
  const std::string two{char('0' + digits / 10), char('0' + digits % 10)};
  std::string number;
  if (whole >= 2)
    number = two + std::string(std::size_t(whole - 2), '0');
  else if (whole == 1)
    number = two.substr(0, 1) + ',' + two.substr(1);
  else
    number = "0," + std::string(std::size_t(-whole), '0') + two;
  return QString::fromLatin1(number) + QString::fromUtf16(unit->symbol);
}

QString baseResistorToolTip(float Rb, int16_t Vbb) {
  if (!std::isfinite(Rb) || Rb <= 0)
    return {};

  struct Named {
    ResistorSeries series;
    const char16_t *name;
  };
  constexpr Named series[] = {{ResistorSeries::E12, u"E12 "},
                              {ResistorSeries::E24, u"E24 "},
                              {ResistorSeries::E96, u"E96 "}};
  QString values;
  for (const Named &s : series) {
    if (!values.isEmpty())
      values += QStringLiteral(" \u00B7 ");
    const auto value = largestStandardNotAbove(s.series, Rb);
    values +=
        QString::fromUtf16(s.name) + (value ? resistorText(*value) : QStringLiteral("nessuno"));
  }

  // The voltage across the resistor, as in its own formula.
  const double drop = double(Vbb) - BaseEmitterDrop;
  return QStringLiteral("Valori normalizzati per difetto: ") + values +
         QStringLiteral("\nPotenza su Rb: ") + powerText(drop * drop / double(Rb));
}
