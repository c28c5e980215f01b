// The number services under arbitrary input: the input as text goes through
// every conversion and back, its first bytes as a single and a double go
// through rounding and both formatting patterns the results use. A failure
// may only be a run-time error 6 or 13; whatever converts must write and read
// back as the number services promise.
#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "runtime/format.h"
#include "runtime/rounding.h"

#include <QString>
#include <QStringList>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail = {}) {
  std::fprintf(stderr, "fuzz_runtime: %s [%s]\n", what, qUtf8Printable(detail));
  std::abort();
}

// Runs a conversion; a run-time error gives no value and must be 6 or 13.
// Any other exception escapes and is reported by libFuzzer.
template <class F> auto attempt(F &&f) -> std::optional<decltype(f())> {
  try {
    return f();
  } catch (const RuntimeError &e) {
    if (e.number() != err::Overflow && e.number() != err::TypeMismatch)
      fail("run-time error other than 6 or 13", QString::number(e.number()));
    return std::nullopt;
  }
}

// Half the distance to the next single away from zero (in double: for the
// smallest singles it is not a single itself).
double halfUlp(float f) {
  const float a = std::fabs(f);
  return (double(std::nextafter(a, FLT_MAX)) - double(a)) / 2;
}

bool allDigits(const QString &s) {
  for (QChar c : s)
    if (c < u'0' || c > u'9')
      return false;
  return !s.isEmpty();
}

// The shape of a formatNumber result: an optional leading '-', digits grouped
// by '.' in threes (the first group 1 to 3 digits, no leading zero but a lone
// "0"), then for the decimal pattern ',' and one or two decimals. Zero with
// "#,###" is the empty text. Reading it back gives the value within the
// pattern's rounding plus the significant digits written first.
void checkFormatted(const QString &out, double value, bool withDecimals, double significant) {
  const bool negative = out.startsWith(u'-');
  const QString body = negative ? out.mid(1) : out;
  const qsizetype comma = body.indexOf(u',');
  if (withDecimals != (comma >= 0))
    fail("decimal comma missing or unexpected", out);
  const QString whole = comma < 0 ? body : body.left(comma);
  const QString fraction = comma < 0 ? QString() : body.mid(comma + 1);

  if (whole.isEmpty()) {
    if (withDecimals || negative)
      fail("no whole digits", out);
  } else {
    const QStringList groups = whole.split(u'.');
    for (qsizetype g = 0; g < groups.size(); ++g) {
      const qsizetype n = groups[g].size();
      if (!allDigits(groups[g]) || n > 3 || (g > 0 && n != 3))
        fail("bad digit group", out);
    }
    if (whole.size() > 1 && whole[0] == u'0')
      fail("leading zero", out);
  }
  if (withDecimals && (!allDigits(fraction) || fraction.size() > 2))
    fail("one or two decimals expected", out);

  // Near the top of the double range the 15 significant digits may round
  // above the largest double: such text is not read back.
  if (!std::isfinite(value) || std::fabs(value) >= 1e300)
    return;
  const double read = out.isEmpty() ? 0.0 : toDouble(out); // must read back
  if (negative && !(read < 0))
    fail("negative zero written", out);
  // Reading the decimal text back costs one more rounding to double.
  const double rounding = withDecimals ? 0.005 : 0.5;
  const double tolerance = rounding * (1 + 1e-9) + std::fabs(value) * (significant + 3e-16);
  if (std::fabs(read - value) > tolerance)
    fail("formatted value does not read back",
         out + QStringLiteral(" / ") + QString::number(value, 'g', 17));
}

void checkFormats(double value, double significant, bool single) {
  for (const bool withDecimals : {false, true}) {
    const QString pattern = withDecimals ? QStringLiteral("#,###0.0#") : QStringLiteral("#,###");
    const QString out = single ? formatNumber(float(value), pattern) : formatNumber(value, pattern);
    checkFormatted(out, value, withDecimals, significant);
  }
}

void checkNoInfOrNan(const QString &text) {
  if (text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) ||
      text.contains(QStringLiteral("nan"), Qt::CaseInsensitive))
    fail("text of a number is not a number", text);
}

void checkSingle(float f, int digits) {
  // Rounding: a finite value moves by at most half a unit of the last decimal
  // (and the single's own rounding); a value that is not finite is an overflow.
  const auto rounded = attempt([&] { return roundToDigits(f, digits); });
  if (!std::isfinite(f)) {
    if (rounded)
      fail("rounding accepted a value that is not finite");
  } else if (rounded) {
    const double bound =
        0.5 * std::pow(10.0, -digits) * (1 + 1e-12) + std::max(halfUlp(*rounded), halfUlp(f)) * 2;
    if (std::fabs(double(*rounded) - double(f)) > bound)
      fail("roundToDigits moved the value too far", QString::number(double(f), 'g', 9));
  }

  checkFormats(double(f), 5e-7, true);
  if (!std::isfinite(f))
    return;

  // Written with 7 significant digits, a single reads back within that
  // rounding; one that is the nearest single to a decimal of at most 6
  // significant digits (FLT_DIG) reads back as exactly itself.
  const QString text = textOf(f);
  checkNoInfOrNan(text);
  const auto back = attempt([&] { return toSingle(text); });
  if (!back)
    fail("text of a single does not read back", text);
  if (std::fabs(double(*back) - double(f)) > 5e-7 * std::fabs(double(f)) + halfUlp(f))
    fail("single read back too far from itself", text);

  char six[32];
  std::snprintf(six, sizeof six, "%.6g", double(f));
  const float f6 = std::strtof(six, nullptr);
  if (std::isnormal(f6)) {
    const QString text6 = textOf(f6);
    const auto back6 = attempt([&] { return toSingle(text6); });
    if (!back6 || *back6 != f6)
      fail("single of 6 significant digits does not read back exactly", text6);
  }
}

void checkDouble(double d, int digits) {
  const double rounded = roundToDigits(d, digits);
  if (std::isfinite(d)) {
    const double bound = 0.5 * std::pow(10.0, -digits) * (1 + 1e-12) + std::fabs(d) * 4e-16;
    if (std::fabs(rounded - d) > bound)
      fail("roundToDigits(double) moved the value too far", QString::number(d, 'g', 17));
  }
  checkFormats(d, 5e-15, false);

  // 15 significant digits (DBL_DIG) are written; reading them back and
  // writing again gives the same text. Magnitudes near the top of the range
  // are left out: their 15-digit text may round above the largest double.
  if (std::isfinite(d) && std::fabs(d) < 1e300) {
    const QString text = textOf(d);
    checkNoInfOrNan(text);
    const auto back = attempt([&] { return toDouble(text); });
    if (!back || textOf(*back) != text)
      fail("text of a double is not stable", text);
  }
}

void checkText(const QString &text, int digits) {
  if (const auto v = attempt([&] { return toLong(text); })) {
    const auto back = attempt([&] { return toLong(textOf(*v)); });
    const auto viaDouble = attempt([&] { return toLong(textOf(double(*v))); });
    if (back != v || viaDouble != v)
      fail("whole number does not read back", text);
  }
  if (const auto v = attempt([&] { return toInteger(text); })) {
    if (attempt([&] { return toInteger(textOf(*v)); }) != v)
      fail("16-bit whole number does not read back", text);
  }
  if (const auto v = attempt([&] { return toSingle(text); }))
    checkSingle(*v, digits);
  if (const auto v = attempt([&] { return toDouble(text); }))
    checkDouble(*v, digits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const int digits = size ? data[size - 1] % 10 : 2;
  checkText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)), digits);

  // The same bytes as numbers, any bit pattern (infinities and NaNs included).
  if (size >= sizeof(float)) {
    float f;
    std::memcpy(&f, data, sizeof f);
    checkSingle(f, digits);
  }
  if (size >= sizeof(double)) {
    double d;
    std::memcpy(&d, data, sizeof d);
    checkDouble(d, digits);
  }
  return 0;
}
