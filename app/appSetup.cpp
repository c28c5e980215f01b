#include "app/appSetup.h"

#include "identity.h"
#include "ui/frmBJT.h"
#include "ui/lightPalette.h"
#include "version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void loadQtItalianTranslation() {
  // Qt's own texts (the boxes' context menus, the message boxes' button)
  // speak Italian like the window, whatever the desktop's language. Only
  // the one file for Qt's base module: the combined qt_it.qm would load the
  // translations of every Qt module.
  auto *translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_it.qm"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator))
    return;
  delete translator;
  qWarning("Qt's Italian translation (qtbase_it.qm) is missing: Qt's own texts stay English");
}
} // namespace

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("bjt-calculator"));
  // The program tells its version as its file version text, "0.00.0002".
  QApplication::setApplicationVersion(QString::fromLatin1(version::fileVersionText));
  QApplication::setDesktopFileName(QString::fromLatin1(identity::appId));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  loadQtItalianTranslation();

  // Drawn at build time at each size a window manager asks for, the 32 px
  // one from its own bitmap; see ui/bitmapSet.h.
  QApplication::setWindowIcon(frmBJT::programIcon());
  keepLightPalette();
}
