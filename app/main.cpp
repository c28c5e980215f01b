#include "app/appSetup.h"
#include "ui/frmBJT.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  setUpApplication();

  frmBJT window;
  window.show();
  return app.exec();
}
