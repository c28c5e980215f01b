#include "desktopLocales.h"

#include "shownWindow.h"
#include "ui/frmBJT.h"
#include "windowInspector.h"
#include "ui/inputBox.h"

#include <QRadioButton>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

// The same keystrokes through the window give the same texts on every
// desktop, whatever its locale's decimal separator: QApplication takes the
// process's locale from LANG, and no number the window reads or writes may
// follow it.
class LocalesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<frmBJT> w;
  std::optional<WindowInspector> c;
  QStringList prompts;

  void type(int box, const QString &keys) {
    InputBox *b = c->txtBJT[std::size_t(box)];
    b->setFocus();
    b->selectAll();
    QTest::keyClicks(b, keys);
  }

private slots:
  void initTestCase_data() { addDesktopLocales(); }
  void init() {
    SWITCH_TO_DESKTOP_LOCALE();
    w = showWindowRecordingPrompts(prompts);
    c.emplace(*w);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
  }
  void cleanup() {
    c.reset();
    w.reset();
  }

  void typedDecimalsGiveTheSameResults_data() {
    QTest::addColumn<QStringList>("typed"); // the keys for boxes 0 to 4
    QTest::addColumn<int>("multiplier");    // the option clicked, -1 for none
    QTest::addColumn<int>("enterIn");       // the box Enter is pressed in, -1 for none
    QTest::addColumn<QStringList>("shown"); // boxes 1 and 2, labels 9, 10, 11 and 13
    QTest::newRow("5.5 mA, resistance filled in on Enter")
        << QStringList{"12", "", "5.5", "160", "5"} << -1 << 2
        << QStringList{"2182", "5,5", u"corrente di base: 103 \u00B5A"_s,
                       "resistenza di base: 41.748 Ohm\r\n(41,75K)", "41,7K", "Watt:  0,07"};
    QTest::newRow("2.2 mA alone, x 1")
        << QStringList{"", "", "2.2", "100", "5"} << 0 << -1
        << QStringList{"", "2,2", u"corrente di base: 22 \u00B5A"_s,
                       "resistenza di base: 195.455 Ohm\r\n(195,45K)", "195,4K", "Watt:"};
    QTest::newRow("current from 12 V and 470 ohm")
        << QStringList{"12", "470", "", "100", "5"} << -1 << 4
        << QStringList{"470", "25,5", u"corrente di base: 766 \u00B5A"_s,
                       "resistenza di base: 5.614 Ohm\r\n(5,61K)", "5,6K", "Watt:  0,31"};
    QTest::newRow("decimal gain and base voltage")
        << QStringList{"", "", "0.5", "2.5", "9"} << 2 << -1
        << QStringList{"", "0,5", "corrente di base: 1 mA",
                       "resistenza di base: 8.300 Ohm\r\n(8,3K)", "8,3K", "Watt:"};
  }
  void typedDecimalsGiveTheSameResults() {
    QFETCH(QStringList, typed);
    QFETCH(int, multiplier);
    QFETCH(int, enterIn);
    QFETCH(QStringList, shown);
    for (int box = 0; box < 5; ++box)
      type(box, typed[box]);
    if (multiplier >= 0)
      QTest::mouseClick(c->optSatura[std::size_t(multiplier)], Qt::LeftButton);
    if (enterIn >= 0)
      QTest::keyClick(c->txtBJT[std::size_t(enterIn)], Qt::Key_Return);
    const QStringList actual{c->panel.boxText(1), c->panel.boxText(2), c->panel.caption(9),
                             c->panel.caption(10), c->panel.caption(11), c->panel.caption(13)};
    QCOMPARE(actual, shown);
    QVERIFY(prompts.isEmpty());
  }
};

QTEST_MAIN(LocalesTest)
#include "tst_locales.moc"
