#include "app/appSetup.h"

#include "ui/directImageStyle.h"
#include "ui/frmBJT.h"
#include "version.h"

#include <QApplication>
#include <QLocale>

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("bjt-calculator"));
  // The program tells its version as its file version text, "0.00.0002".
  QApplication::setApplicationVersion(QString::fromLatin1(version::fileVersionText));
  QApplication::setDesktopFileName(QStringLiteral("io.github.bjtcalc.BjtCalculator"));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

  // Drawn at build time at each size a window manager asks for, the 32 px
  // one from its own bitmap; see ui/bitmapSet.h.
  QApplication::setWindowIcon(frmBJT::programIcon());
  QApplication::setStyle(new DirectImageStyle);
}
