#pragma once

// Names the application, sets the Italian locale, loads Qt's Italian
// translation, sets the application icon and keeps the light palette the
// window's colours were chosen for (ui/lightPalette.h).
// Called once, right after the QApplication is made; the start-up benchmark
// calls it too, so that it measures the same set-up as the program.
void setUpApplication();
