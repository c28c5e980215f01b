#include "runtime/rounding.h"

#include "runtime/conversions.h"

#include <cmath>

double roundHalfEven(double value) {
  // nearbyint follows the current rounding mode, which is round-to-nearest-even
  // unless someone changed it; the program never does.
  return std::nearbyint(value);
}

double roundToDigits(double value, int digits) {
  if (digits <= 0)
    return roundHalfEven(value);
  const double scale = std::pow(10.0, digits);
  const double scaled = value * scale;
  if (!std::isfinite(scaled))
    return value; // too large to carry any decimals
  return roundHalfEven(scaled) / scale;
}

float roundToDigits(float value, int digits) {
  return toSingle(roundToDigits(static_cast<double>(value), digits));
}
