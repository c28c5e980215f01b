#pragma once

#include <QString>

#include <cstdint>

// Conversions between numbers and text in the calculator's one number format,
// the Italian one: "," is the decimal separator and "." groups thousands,
// whatever the machine's locale is. Failures raise numbered run-time errors:
// text that is empty or not a number raises err::TypeMismatch, a value that
// does not fit its target raises err::Overflow.

// Text to number. Leading and trailing blanks are ignored; a sign, thousands
// groups ("1.000") and an exponent ("1,5E+03") are accepted. Conversion to a
// whole number rounds a fraction to the nearest, halves to even.
int32_t toLong(const QString &text);
int16_t toInteger(const QString &text);
float toSingle(const QString &text);
double toDouble(const QString &text);

// Floating value to a narrower type: nearest whole number (halves to even)
// for the integers, nearest single for toSingle; out of range raises
// err::Overflow instead of wrapping.
int32_t toLong(double value);
int16_t toInteger(double value);
float toSingle(double value);

// Number to text: at most 7 significant digits for a single and 15 for a
// double, trailing zeros dropped, decimal comma, no grouping; very large or
// very small magnitudes in exponent form ("1,234568E+07").
QString textOf(float value);
QString textOf(double value);
QString textOf(int32_t value);
QString textOf(int16_t value);

// Arithmetic that raises instead of producing infinities or NaNs: a zero
// divisor raises err::DivisionByZero (err::Overflow for 0 / 0), a result
// beyond the type's range raises err::Overflow.
double quotient(double dividend, double divisor);
float singleQuotient(float dividend, float divisor);
float singleProduct(float left, float right);
