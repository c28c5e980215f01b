#pragma once

#include <string>

// A positive number's decimal digits as std::to_chars writes them, the same
// in every locale: digits d0 d1 d2 ... stand for d0.d1d2... x 10^exponent,
// d0 not 0 unless the value is 0.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

// |value| rounded to `significant` digits (1 to 17).
DecimalDigits decimalDigits(double value, int significant);
// |value| in the fewest digits that read back as the same single.
DecimalDigits shortestDecimalDigits(float value);
