#pragma once

#include <cstdint>

// The window's input boxes (txtBJT) and labels (lblBJT): how many there are,
// and the indexes of those the calculation reads and writes.
namespace box {
inline constexpr int16_t CollectorVoltage = 0;
inline constexpr int16_t CollectorResistance = 1;
inline constexpr int16_t CollectorCurrent = 2;
inline constexpr int16_t Gain = 3;
inline constexpr int16_t BaseVoltage = 4;
inline constexpr int16_t Count = 5;
// What each box holds when the window opens.
inline constexpr const char *StartTexts[Count] = {"", "", "", "160", "5"};
} // namespace box

namespace label {
inline constexpr int16_t BaseCurrent = 9;
inline constexpr int16_t BaseResistor = 10;
inline constexpr int16_t ResistorValue = 11;
inline constexpr int16_t Formulas = 12;
inline constexpr int16_t Power = 13;
inline constexpr int16_t Count = 14;
} // namespace label

// The power label's caption, alone before a calculation and then before the
// power.
inline constexpr char PowerCaption[] = "Watt:";

// The title of every message box of the program.
inline constexpr char16_t MessageTitle[] = u"Base Resistor Calculator";
inline constexpr char16_t CrLf[] = u"\r\n";
