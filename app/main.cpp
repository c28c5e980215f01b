#include "ui/frmBJT.h"
#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("bjt-calculator"));
  QApplication::setApplicationVersion(QString::fromLatin1(version::text));
  QApplication::setDesktopFileName(QStringLiteral("bjt-calculator"));
  QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

  QIcon icon(QStringLiteral(":/icons/icon32.png"));
  icon.addFile(QStringLiteral(":/icons/icon.svg"));
  QApplication::setWindowIcon(icon);

  frmBJT window;
  window.show();
  return app.exec();
}
