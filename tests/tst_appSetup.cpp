#include "app/appSetup.h"
#include "windowInspector.h"
#include "ui/frmBJT.h"
#include "ui/lineBreakLabel.h"
#include "ui/inputBox.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

// The application's set-up, as the program makes it: Qt's own texts in the
// window are Italian, whatever the desktop's language.
class AppSetupTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { setUpApplication(); }

  void qtsOwnTextsAreItalian() {
    frmBJT w;
    WindowInspector c(w);
    std::unique_ptr<QMenu> menu(c.txtBJT[1]->createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions())
      items << action->text().section(u'\t', 0, 0); // without the shortcut
    QVERIFY2(items.contains(QStringLiteral("&Copia")), qPrintable(items.join(u'|')));
    QVERIFY(items.contains(QStringLiteral("&Incolla")));
    QVERIFY(items.contains(QStringLiteral("Seleziona tutto")));
  }

  // A result's own context menu, in Italian, copies what was selected.
  void aResultIsCopiedFromItsContextMenu() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLabel *result = c.lblBJT[10];
    c.panel.setCaption(10, QStringLiteral("resistenza di base: 41.748 Ohm"));
    // A double click on the number selects it whole.
    const int x = result->fontMetrics().horizontalAdvance(QStringLiteral("resistenza di base: 41"));
    QTest::mouseDClick(result, Qt::LeftButton, {}, QPoint(x, result->height() / 2));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(result, &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QHash<QString, QAction *> items;
    for (QAction *action : menu->actions())
      items.insert(action->text().section(u'\t', 0, 0), action);
    QVERIFY2(items.contains(u"&Copia"_s) && items.contains(u"Seleziona tutto"_s),
             qPrintable(items.keys().join(u'|')));
    items[u"&Copia"_s]->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("41.748"));
    items[u"Seleziona tutto"_s]->trigger();
    menu->close();
    // Ctrl+C copies too, once a click has given the label the focus.
    result->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), c.panel.caption(10));
  }
};

QTEST_MAIN(AppSetupTest)
#include "tst_appSetup.moc"
