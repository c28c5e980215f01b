#include "app/appSetup.h"

#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

bool loadQtItalianTranslation() {
  // Qt's own texts (the boxes' context menus, the message boxes' button)
  // speak Italian like the window, whatever the desktop's language. Only
  // the one file for Qt's base module: the combined qt_it.qm would load the
  // translations of every Qt module.
  auto *translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_it.qm"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  qWarning("Qt's Italian translation (qtbase_it.qm) is missing: Qt's own texts stay English");
  return false;
}

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("bjt-calculator"));
  // The program tells its version as its file version text, "0.00.0002".
  QApplication::setApplicationVersion(QString::fromLatin1(version::fileVersionText));
  QApplication::setDesktopFileName(QStringLiteral("io.github.bjtcalc.BjtCalculator"));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
  loadQtItalianTranslation();

  // The drawing for every size, but the bitmap made for 32 pixels at that
  // size. The drawing is rendered only when a window asks for a size, not
  // here (that would load the font configuration for its lettering before
  // anything is shown). The bitmap goes in as a pixmap: as a file, the SVG
  // icon engine would first look its type up in the MIME database.
  QIcon icon(QStringLiteral(":/icons/icon.svg"));
  icon.addPixmap(QPixmap(QStringLiteral(":/icons/icon32.png")));
  QApplication::setWindowIcon(icon);
}
