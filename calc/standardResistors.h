#pragma once

#include <QString>

#include <optional>

// The IEC 60063 series of preferred resistor values that resistors are sold
// in: E12 and E24 with two significant digits, E96 with three.
enum class ResistorSeries { E12, E24, E96 };

// One value of a series: mantissa x 10^exponent ohms, the mantissa holding
// the series' own significant digits (10 to 91, or 100 to 976 for E96).
struct StandardResistor {
  int mantissa = 0;
  int exponent = 0;
  bool operator==(const StandardResistor &) const = default;
};

// The largest value of the series that is not above `ohms`: a resistor no
// larger than the computed one gives at least the computed base current.
// The resistance is compared by the shortest decimal text that reads back as
// the same single (8,2 held as 8.19999981 counts as 8,2), so a value that
// lands on a standard value gives that value and 1000 gives 1000, not 820.
// Every series starts at 1 ohm: below that, and for zero, negative or
// non-finite resistances, there is no value.
std::optional<StandardResistor> largestStandardNotAbove(ResistorSeries series, float ohms);

// The value as a resistor is marked, with the decimal comma: below 1000 ohm
// in ohms ("470 Ohm", "4,7 Ohm"), then in kilo-ohms ("8,2K", "8,87K", "10K")
// and from 1 megaohm in megaohms ("1,5M", "1000M"). The series' digits are
// shown except zeros after the comma, as the program writes numbers: "1K",
// "1M", "1,1K".
QString resistorText(const StandardResistor &value);
