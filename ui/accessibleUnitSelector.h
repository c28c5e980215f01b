#pragma once

// Makes screen readers announce the unit selector by its own name ("Unità
// della Corrente di Collettore") with the unit as its value. Qt's own combo
// box interface names an editable combo box after its text on Linux.
void installUnitSelectorAccessibility();
