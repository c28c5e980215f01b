#include "runtime/conversions.h"

#include "runtime/errors.h"
#include "runtime/rounding.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Whether a number spelled as digits[.digits][e[sign]digits], known to lie
// outside the range of a double, is too large rather than too small: its
// first significant digit stands left of the point once the exponent is
// applied.
bool isHuge(const std::string &plain) {
  const auto e = plain.find('e');
  const std::string mantissa = plain.substr(0, e);
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_of("123456789");
  if (first == std::string::npos)
    return false;
  // Decimal position of the first significant digit: 1 for "5", 0 for ".5".
  long long magnitude =
      first < point ? (long long)(point - first) : -(long long)(first - point - 1);
  if (e != std::string::npos) {
    long long exponent = 0;
    const char *from = plain.data() + e + 1;
    const bool negative = *from == '-';
    if (*from == '+' || *from == '-')
      ++from;
    for (; from != plain.data() + plain.size() && exponent < 1'000'000'000; ++from)
      exponent = exponent * 10 + (*from - '0');
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude > 0;
}

// Reads a number written the Italian way and returns it as a double. The
// grammar is strict where a lax reading could silently change the value: a
// "." is only taken as a thousands separator between groups of three digits,
// so a pasted "1.5" is refused rather than read as 15.
double parseNumber(const QString &text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin]))
    ++begin;
  while (end > begin && isBlank(text[end - 1]))
    --end;

  // The same number spelled for std::from_chars, which reads it the same way
  // whatever the process's locale is (strtod would follow LC_NUMERIC, and a
  // desktop in Italian would then stop reading at the point).
  std::string plain;
  qsizetype i = begin;
  bool negative = false;
  if (i < end && (text[i] == u'+' || text[i] == u'-'))
    negative = text[i++] == u'-';

  int mantissaDigits = 0;
  int groupDigits = 0;
  bool grouped = false;
  while (i < end && (isDigit(text[i]) || text[i] == u'.')) {
    if (text[i] == u'.') {
      // A separator needs one to three digits before it (the first group) or
      // exactly three (later groups).
      if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
        raiseError(err::TypeMismatch);
      grouped = true;
      groupDigits = 0;
    } else {
      plain += char(text[i].unicode());
      ++groupDigits;
      ++mantissaDigits;
    }
    ++i;
  }
  if (grouped && groupDigits != 3)
    raiseError(err::TypeMismatch);

  if (i < end && text[i] == u',') {
    plain += '.';
    ++i;
    while (i < end && isDigit(text[i])) {
      plain += char(text[i++].unicode());
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0)
    raiseError(err::TypeMismatch);

  if (i < end && (text[i] == u'E' || text[i] == u'e')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
      plain += char(text[i++].unicode());
    int exponentDigits = 0;
    while (i < end && isDigit(text[i])) {
      plain += char(text[i++].unicode());
      ++exponentDigits;
    }
    if (exponentDigits == 0)
      raiseError(err::TypeMismatch);
  }
  if (i != end)
    raiseError(err::TypeMismatch);

  double value = 0;
  const auto [last, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (last != plain.data() + plain.size())
    raiseError(err::TypeMismatch);
  if (ec == std::errc::result_out_of_range) {
    // Too large overflows; too small to be told from zero reads as zero.
    if (isHuge(plain))
      raiseError(err::Overflow);
    value = 0;
  }
  if (!std::isfinite(value))
    raiseError(err::Overflow);
  return negative ? -value : value;
}

template <class Int> Int toWhole(double value) {
  if (std::isnan(value))
    raiseError(err::Overflow);
  const double rounded = roundHalfEven(value);
  if (rounded < double(std::numeric_limits<Int>::min()) ||
      rounded > double(std::numeric_limits<Int>::max()))
    raiseError(err::Overflow);
  return static_cast<Int>(rounded);
}

QString textWithSignificantDigits(double value, int digits) {
  if (value == 0)
    return QStringLiteral("0"); // never "-0"
  // The shortest of plain and exponent form, as "%G" would write it, but
  // without the C library's locale: the comma is put in here.
  char buffer[48];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  QString text = QString::fromLatin1(buffer, written.ptr - buffer);
  text.replace(u'.', u',').replace(u'e', u'E');
  return text;
}

} // namespace

double toDouble(const QString &text) { return parseNumber(text); }
float toSingle(const QString &text) { return toSingle(parseNumber(text)); }
int32_t toLong(const QString &text) { return toLong(parseNumber(text)); }
int16_t toInteger(const QString &text) { return toInteger(parseNumber(text)); }

int32_t toLong(double value) { return toWhole<int32_t>(value); }
int16_t toInteger(double value) { return toWhole<int16_t>(value); }

float toSingle(double value) {
  if (std::isnan(value) || std::fabs(value) > double(FLT_MAX))
    raiseError(err::Overflow);
  return static_cast<float>(value);
}

QString textOf(float value) { return textWithSignificantDigits(value, 7); }
QString textOf(double value) { return textWithSignificantDigits(value, 15); }
QString textOf(int32_t value) { return QString::number(value); }
QString textOf(int16_t value) { return QString::number(value); }

double quotient(double dividend, double divisor) {
  if (divisor == 0)
    raiseError(dividend == 0 ? err::Overflow : err::DivisionByZero);
  const double result = dividend / divisor;
  if (!std::isfinite(result))
    raiseError(err::Overflow);
  return result;
}

float singleQuotient(float dividend, float divisor) {
  return toSingle(quotient(dividend, divisor));
}

float singleProduct(float left, float right) { return toSingle(double(left) * double(right)); }
