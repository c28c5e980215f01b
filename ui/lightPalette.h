#pragma once

#include <QPalette>

// The window's fixed colours (the blue and red results, the red unit, the
// light yellow box) were chosen for a light window: on a dark desktop
// palette they would stand on dark grounds, nearly invisible. The program
// then keeps the light palette they were chosen for, for the window, its
// message boxes and menus alike.

// Qt's own light palette, the one a desktop without colours of its own gets.
QPalette lightPalette();

// Whether a palette draws light text on a dark window.
bool isDark(const QPalette &palette);

// Puts the application in the light palette now if the desktop's is dark,
// and again whenever the desktop turns dark while the program runs. Leaves a
// light desktop's palette as it is.
void keepLightPalette();
