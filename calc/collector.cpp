// The collector circuit's arithmetic, with the current in the unit nScala names.
#include "calc/calculator.h"
#include "calc/units.h"

#include "runtime/conversions.h"
#include "runtime/rounding.h"

// The current in amperes, rounded to single precision (5.5 mA becomes
// 0.00549999997 A, which matters to the whole-number results). Picoampere
// and the indexes that name no unit have no divisor: the current counts as 0.
float Calculator::amperes(float current) const {
  const float divisor = unitAt(nScala).divisor;
  return divisor == 0 ? 0 : singleQuotient(current, divisor);
}

// Whole ohms; the quotient itself stays in double precision.
float Calculator::CalcolaRc(float voltage, float current) const {
  const double ohms = quotient(double(voltage), double(amperes(current)));
  return float(toLong(ohms));
}

// Whole volts.
float Calculator::CalcolaVc(float resistance, float current) const {
  const double volts = double(amperes(current)) * double(resistance);
  return float(toLong(volts));
}

// Watts with two decimals.
float Calculator::CalcolaWatt(float voltage, float current) const {
  const float watts = singleProduct(amperes(current), voltage);
  return roundToDigits(watts, 2);
}
