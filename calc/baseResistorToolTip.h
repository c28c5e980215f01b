#pragma once

#include <QString>

#include <cstdint>

// What to buy for the computed base resistor, as the tooltip of its label:
//   Valori normalizzati per difetto: E12 8,2K · E24 8,2K · E96 8,87K
//   Potenza su Rb: 2,1 mW
// Each value is the largest of its series not above `Rb` ("nessuno" below
// 1 ohm); the power is (Vbb - the base-emitter drop)^2 / Rb, for the
// computed resistor. A resistor that is not positive and finite (a base
// voltage below the drop) has nothing to buy: the text is empty.
QString baseResistorToolTip(float Rb, int16_t Vbb);

// A power in watts with two significant digits and the unit that keeps one to
// three digits before the comma: "2,1 mW", "29 mW", "410 µW", "1,0 W";
// nW and pW below a microwatt, W for anything from one watt up ("1200 W").
// The value is written with 15 significant digits first and then rounded to
// two, a half away from zero, as the program's number formats do; a carry
// moves to the next unit (999,6 µW gives "1,0 mW"). Empty unless the
// power is positive and finite.
QString powerText(double watts);
