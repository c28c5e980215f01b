#include "calc/standardResistors.h"

#include "runtime/decimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>

namespace {

// IEC 60063, one decade of each series.
constexpr int16_t E12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int16_t E24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                           33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int16_t E96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                           140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                           196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                           274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                           383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                           536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                           750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

struct Series {
  std::span<const int16_t> decade;
  int digits;
};

Series seriesOf(ResistorSeries series) {
  switch (series) {
  case ResistorSeries::E12:
    return {E12, 2};
  case ResistorSeries::E24:
    return {E24, 2};
  case ResistorSeries::E96:
    break;
  }
  return {E96, 3};
}

std::string digitsOf(int value) {
  char text[16];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

} // namespace

std::optional<StandardResistor> largestStandardNotAbove(ResistorSeries series, float ohms) {
  if (!std::isfinite(ohms) || ohms < 1.0f)
    return std::nullopt;
  const Series s = seriesOf(series);

  // The leading digits in decimal, whatever binary fraction the single
  // holds, and the power of ten of the first one.
  const DecimalDigits written = shortestDecimalDigits(ohms);

  // The first `digits` digits, the rest cut off: a series value of this
  // decade is not above the resistance exactly when it is not above them.
  // The first digit is never 0, so the decade's first value always fits.
  int first = 0;
  int taken = 0;
  for (; taken < s.digits && std::size_t(taken) < written.digits.size(); ++taken)
    first = first * 10 + (written.digits[std::size_t(taken)] - '0');
  for (; taken < s.digits; ++taken)
    first *= 10;

  const auto above = std::upper_bound(s.decade.begin(), s.decade.end(), first);
  return StandardResistor{*(above - 1), written.exponent - (s.digits - 1)};
}

QString resistorText(const StandardResistor &value) {
  const std::string digits = digitsOf(value.mantissa);
  const int leading = value.exponent + int(digits.size()) - 1;
  const int unitExponent = leading >= 6 ? 6 : leading >= 3 ? 3 : 0;
  const char *unit = unitExponent == 6 ? "M" : unitExponent == 3 ? "K" : " Ohm";

  // Digits before the comma; at least one, since no value is below 1 ohm.
  const int whole = std::max(leading - unitExponent + 1, 1);
  std::string text;
  if (whole >= int(digits.size())) {
    text = digits + std::string(std::size_t(whole) - digits.size(), '0');
  } else {
    std::string fraction = digits.substr(std::size_t(whole));
    while (!fraction.empty() && fraction.back() == '0')
      fraction.pop_back();
    text = digits.substr(0, std::size_t(whole));
    if (!fraction.empty())
      text += ',' + fraction;
  }
  return QString::fromLatin1(text) + QString::fromLatin1(unit);
}
