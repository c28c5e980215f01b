#pragma once

// Makes screen readers announce the unit selector by its own name ("Unità
// della Corrente di Collettore"), on top of Qt's own accessible combo box,
// which keeps the list of entries, the selected entry and the actions. (On
// Linux that interface names an editable combo box after its text.)
void installUnitSelectorAccessibility();
