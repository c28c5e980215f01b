#include "app/appSetup.h"
#include "ui/frmBJT.h"
#include "ui/inputBox.h"

#include <QAction>
#include <QMenu>
#include <QTest>

// The application's set-up, as the program makes it: Qt's own texts in the
// window are Italian, whatever the desktop's language.
class AppSetupTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { setUpApplication(); }

  void qtsOwnTextsAreItalian() {
    frmBJT w;
    std::unique_ptr<QMenu> menu(w.txtBJT[1]->createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
      items << action->text().section(u'\t', 0, 0); // without the shortcut
    QVERIFY2(items.contains(QStringLiteral("&Copia")), qPrintable(items.join(u'|')));
    QVERIFY(items.contains(QStringLiteral("&Incolla")));
    QVERIFY(items.contains(QStringLiteral("Seleziona tutto")));
    // The results' menu comes from Qt's text control.
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QStringLiteral("&Copia"));
  }
};

QTEST_MAIN(AppSetupTest)
#include "tst_appSetup.moc"
