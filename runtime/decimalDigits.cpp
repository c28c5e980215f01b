#include "runtime/decimalDigits.h"

#include <charconv>
#include <cmath>

namespace {

// Reads "d.ddde+XX" (or "de-XX" with a single digit).
DecimalDigits read(const char *text, const char *end) {
  DecimalDigits result;
  const char *c = text;
  for (; c != end && *c != 'e'; ++c)
    if (*c >= '0' && *c <= '9')
      result.digits += *c;
  if (c != end && c + 1 != end) {
    const char *from = c + 1;
    if (*from == '+')
      ++from; // from_chars takes a minus sign only
    std::from_chars(from, end, result.exponent);
  }
  return result;
}

} // namespace

DecimalDigits decimalDigits(double value, int significant) {
  char text[64];
  const char *const end = std::to_chars(text, text + sizeof text, std::fabs(value),
                                        std::chars_format::scientific, significant - 1)
                              .ptr;
  return read(text, end);
}

DecimalDigits shortestDecimalDigits(float value) {
  char text[32];
  const char *const end =
      std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific).ptr;
  return read(text, end);
}
