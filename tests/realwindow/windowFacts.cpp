// Prints what the real-window check (check.sh) expects of the program's
// window, read from the window itself: its caption, then its client width
// and height in pixels at scale 1, a line each. Run it offscreen.
#include "ui/frmBJT.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  const frmBJT window;
  std::printf("%s\n%d\n%d\n", window.windowTitle().toUtf8().constData(), window.width(),
              window.height());
  return 0;
}
