#pragma once

#include <QStringList>

#include <cstdint>
#include <iterator>
#include <string_view>

// The current units, indexed by nScala: one line per unit, and every part of
// the program that knows something about a unit reads it here.
struct CurrentUnit {
  // The selector's entry for the unit; nullptr when no entry offers it (the
  // unit is then reached only by auto-ranging).
  const char16_t *entry;
  // Written after a number ("12 mA"), and the full name shown as a tooltip.
  const char16_t *suffix;
  const char16_t *name;
  // FattoriScala: a current in this unit divided by it is in amperes.
  double factor;
  // The divisor of the collector arithmetic; 0 when it has none, and the
  // current then counts as 0 amperes there.
  float divisor;
};

// One step is a factor of 1000. Picoampere has no selector entry and no
// divisor: auto-ranging can reach it, the collector arithmetic cannot use it.
inline constexpr CurrentUnit currentUnits[] = {
    {u"A", u" A", u"Ampere", 1.0, 1.0f},
    {u"mA", u" mA", u"MilliAmpere", 1e3, 1e3f},
    {u"\u00B5A", u" \u00B5A", u"MicroAmpere", 1e6, 1e6f},
    {u"nA", u" nA", u"NanoAmpere", 1e9, 1e9f},
    {nullptr, u" pA", u"PicoAmpere", 1e12, 0.0f},
};
inline constexpr int16_t unitCount = int16_t(std::size(currentUnits));

// What an index that names no unit reads as: a negative one (the selector
// with nothing selected) or 5 and above (auto-ranging past nanoampere).
inline constexpr CurrentUnit noUnit = {nullptr, u" ERR", u"Errore", 0.0, 0.0f};

constexpr bool namesUnit(int16_t index) { return index >= 0 && index < unitCount; }

constexpr const CurrentUnit &unitAt(int16_t index) {
  return namesUnit(index) ? currentUnits[index] : noUnit;
}

// The selector's entry index is the unit index, so the offered units come
// first, without a gap.
constexpr bool offeredUnitsComeFirst() {
  bool offered = true;
  for (const CurrentUnit &unit : currentUnits) {
    if (unit.entry && !offered)
      return false;
    offered = unit.entry != nullptr;
  }
  return true;
}
static_assert(offeredUnitsComeFirst());

// The index of the unit the selector offers as `entry`; -1 when none.
constexpr int16_t unitWithEntry(std::u16string_view entry) {
  for (int16_t i = 0; i < unitCount; ++i)
    if (currentUnits[i].entry && entry == currentUnits[i].entry)
      return i;
  return -1;
}

// The unit the selector shows when the window opens.
inline constexpr int16_t StartUnit = unitWithEntry(u"mA");
static_assert(namesUnit(StartUnit));

// The selector's entries, in index order.
QStringList selectorEntries();
