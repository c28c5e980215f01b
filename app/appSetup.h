#pragma once

// Names the application, sets the Italian locale and the application icon.
// Called once, right after the QApplication is made; the start-up benchmark
// calls it too, so that it measures the same set-up as the program.
void setUpApplication();
