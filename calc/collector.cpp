// The collector circuit's arithmetic, with the current in the unit nScala names.
#include "calc/calculator.h"

#include "runtime/conversions.h"
#include "runtime/rounding.h"

// The current in amperes, rounded to single precision (5.5 mA becomes
// 0.00549999997 A, which matters to the whole-number results). Picoampere
// and the indexes that name no unit have no divisor: the current counts as 0.
float Calculator::amperes(float current) const {
  switch (nScala) {
  case 0:
    return current;
  case 1:
    return singleQuotient(current, 1e3f);
  case 2:
    return singleQuotient(current, 1e6f);
  case 3:
    return singleQuotient(current, 1e9f);
  default:
    return 0;
  }
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
