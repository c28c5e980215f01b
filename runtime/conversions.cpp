#include "runtime/conversions.h"

#include "runtime/errors.h"
#include "runtime/rounding.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

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

  std::string plain; // the same number in the C locale, for strtod
  qsizetype i = begin;
  if (i < end && (text[i] == u'+' || text[i] == u'-'))
    plain += char(text[i++].unicode());

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

  const double value = std::strtod(plain.c_str(), nullptr);
  if (!std::isfinite(value))
    raiseError(err::Overflow);
  return value;
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
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return QString::fromLatin1(buffer).replace(u'.', u',');
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
