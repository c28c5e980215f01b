#include "runtime/format.h"

#include "runtime/decimalDigits.h"

#include <cmath>
#include <string>

namespace {

struct Pattern {
  bool grouped = false;
  int minWholeDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
};

Pattern parsePattern(const QString &text) {
  Pattern p;
  const qsizetype point = text.indexOf(u'.');
  const QString whole = point < 0 ? text : text.left(point);
  const QString decimals = point < 0 ? QString() : text.mid(point + 1);
  p.grouped = whole.contains(u',');
  p.minWholeDigits = int(whole.count(u'0'));
  p.minDecimals = int(decimals.count(u'0'));
  p.maxDecimals = p.minDecimals + int(decimals.count(u'#'));
  return p;
}

// The decimal digits of |value| rounded to `decimals` places, as whole and
// fraction digit strings (the whole part without leading zeros).
void roundedDigits(double value, int significant, int decimals, std::string &whole,
                   std::string &fraction) {
  // The same digits in every locale, unlike printf's.
  DecimalDigits written = decimalDigits(value, significant);
  std::string &digits = written.digits;
  const int exponent = written.exponent;

  // Give the digits enough leading and trailing zeros that the point falls
  // inside them, after `point` digits.
  int point = exponent + 1;
  if (point < 1) {
    digits.insert(0, std::string(1 - point, '0'));
    point = 1;
  }
  if (int(digits.size()) < point + decimals + 1)
    digits.append(point + decimals + 1 - digits.size(), '0');

  const int keep = point + decimals;
  const bool roundUp = digits[keep] >= '5';
  digits.resize(keep);
  if (roundUp) {
    int i = keep - 1;
    while (i >= 0 && digits[i] == '9')
      digits[i--] = '0';
    if (i >= 0)
      ++digits[i];
    else {
      digits.insert(digits.begin(), '1');
      ++point;
    }
  }
  whole = digits.substr(0, point);
  fraction = digits.substr(point);
  const auto firstNonZero = whole.find_first_not_of('0');
  whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
}

QString format(double value, int significant, const QString &patternText) {
  const Pattern p = parsePattern(patternText);
  std::string whole, fraction;
  roundedDigits(std::isfinite(value) ? value : 0.0, significant, p.maxDecimals, whole, fraction);

  while (int(fraction.size()) > p.minDecimals && fraction.back() == '0')
    fraction.pop_back();
  const bool isZero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
  if (int(whole.size()) < p.minWholeDigits)
    whole.insert(0, std::string(p.minWholeDigits - whole.size(), '0'));

  QString result;
  if (value < 0 && !isZero)
    result += u'-';
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (p.grouped && i > 0 && (whole.size() - i) % 3 == 0)
      result += u'.';
    result += QChar(whole[i]);
  }
  if (!fraction.empty()) {
    result += u',';
    result += QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
  }
  return result;
}

} // namespace

QString formatNumber(double value, const QString &pattern) { return format(value, 15, pattern); }
QString formatNumber(float value, const QString &pattern) { return format(value, 7, pattern); }
