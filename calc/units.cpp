#include "calc/units.h"

QStringList selectorEntries() {
  QStringList entries;
  for (const CurrentUnit &unit : currentUnits)
    if (unit.entry)
      entries << QString::fromUtf16(unit.entry);
  return entries;
}
