#pragma once

// The base-emitter voltage of a saturated silicon transistor, in volts: the
// base resistor takes the base voltage less this drop.
inline constexpr double BaseEmitterDrop = 0.7;
