#pragma once

#include <QString>

// Formats a number with a digit pattern, written the Italian way ("." groups
// thousands, "," before the decimals). A pattern uses "#" for an optional
// digit, "0" for a required one, "," (anywhere before the point) for
// thousands grouping and "." for the decimal point:
//   "#,###"      grouped whole number, empty text for zero: 35833 -> "35.833"
//   "#,###0.0#"  grouped, one or two decimals:                35.83 -> "35,83"
// The value is first written with 15 significant digits (7 for a single) and
// then rounded at the last shown decimal, a half away from zero.
QString formatNumber(double value, const QString &pattern);
QString formatNumber(float value, const QString &pattern);
