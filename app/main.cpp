#include "app/appSetup.h"
#include "ui/frmBJT.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  setUpApplication();

  frmBJT window;
  window.show();
  window.activateWindow(); // typing goes to the collector-voltage box at once
  return app.exec();
}
