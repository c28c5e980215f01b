#pragma once

// Rounding as the calculator's arithmetic does it: to the nearest value, an
// exact half to the even neighbour (so 2.5 -> 2, 3.5 -> 4, 0.125 -> 0.12).
double roundHalfEven(double value);

// Round(value, digits): to the given number of decimals, halves to even.
// The value is scaled by 10^digits in double precision first, so a binary
// value just below a decimal half (1.66499996 as a single) rounds down.
double roundToDigits(double value, int digits);

// The same for a single-precision value; the result is a single again.
float roundToDigits(float value, int digits);
