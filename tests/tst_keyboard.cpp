#include "shownWindow.h"
#include "ui/frmBJT.h"
#include "windowInspector.h"
#include "ui/inputBox.h"
#include "ui/pictureBox.h"
#include "ui/unitComboBox.h"

#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QRadioButton>
#include <QTest>

#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

class KeyboardTest : public QObject {
  Q_OBJECT

  std::unique_ptr<frmBJT> w;
  std::optional<WindowInspector> c;
  QStringList prompts;

  InputBox *box(int i) { return c->txtBJT[std::size_t(i)]; }
  void type(int i, const QString &keys) {
    box(i)->setFocus();
    QTest::keyClicks(box(i), keys);
  }

private slots:
  void init() {
    w = showWindowRecordingPrompts(prompts);
    c.emplace(*w);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
  }
  void cleanup() {
    c.reset();
    w.reset();
  }

  void onlyDigitsAndTheCommaGetIn_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("point becomes comma") << 2 << "12.5" << "12,5";
    QTest::newRow("letters, blanks, signs") << 2 << "a -+eE" << "";
    QTest::newRow("mixed") << 1 << "1k0 0" << "100";
    QTest::newRow("second comma passes") << 1 << "1,2,3" << "1,2,3";
    QTest::newRow("two in the voltage box") << 0 << "123" << "12";
    QTest::newRow("three in the gain box") << 3 << "1234" << "123";
    QTest::newRow("six in the resistance box") << 1 << "1234567" << "123456";
    QTest::newRow("six in the current box") << 2 << "12,4567" << "12,456";
    QTest::newRow("two in the base box") << 4 << "5.5" << "5,";
    // A paste, from the box's menu or its key, passes no key filter, only the length limit.
    QTest::newRow("paste longer than the box") << 0 << "paste:123" << "";
    QTest::newRow("pasted letter") << 1 << "paste:4k7" << "4k7";
  }
  void onlyDigitsAndTheCommaGetIn() {
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    box(index)->clear();
    if (keys.startsWith(u"paste:")) {
      QGuiApplication::clipboard()->setText(keys.mid(6));
      box(index)->paste();
    } else {
      type(index, keys);
    }
    QCOMPARE(box(index)->text(), text);
    QVERIFY(prompts.isEmpty());
  }

  // A fault other than a run-time error stays inside the handler it broke:
  // reported on the console, and the window goes on calculating.
  void aFaultInAHandlerStaysInsideIt_data() {
    QTest::addColumn<bool>("standard");
    QTest::newRow("a standard exception") << true;
    QTest::newRow("anything else thrown") << false;
  }
  void aFaultInAHandlerStaysInsideIt() {
    QFETCH(bool, standard);
    w->setMessageHandler([standard](const QString &, MsgBoxStyle, const QString &) {
      if (standard)
        throw std::logic_error("broken");
      throw 42;
    });
    QTest::ignoreMessage(QtWarningMsg, standard ? "cmdCalcola_Click: broken"
                                                : "cmdCalcola_Click: unknown exception");
    QTest::mouseClick(c->cmdCalcola, Qt::LeftButton); // the empty boxes ask: the prompt throws
    box(2)->setText(QStringLiteral("12"));
    box(3)->setText(QStringLiteral("100"));
    QTest::mouseClick(c->cmdCalcola, Qt::LeftButton);
    QCOMPARE(c->panel.caption(9), u"corrente di base: 360 \u00B5A"_s);
  }

  void controlCodesDoNothing() {
    QApplication::clipboard()->setText(QStringLiteral("99"));
    box(1)->setText(QStringLiteral("47"));
    box(1)->setFocus();
    box(1)->selectAll();
    QTest::keyClick(box(1), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box(1), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(box(1), Qt::Key_Escape);
    QCOMPARE(box(1)->text(), QStringLiteral("47"));
    // Characters beyond ASCII, one or several from one key (a dead key's
    // composition), are discarded as well.
    box(1)->end(false);
    for (const QString &typed : {u"\u00E8"_s, u"\u00B5"_s, QStringLiteral("^1")}) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
      QApplication::sendEvent(box(1), &press);
    }
    QCOMPARE(box(1)->text(), QStringLiteral("47"));
  }

  void editingKeysKeepTheirUse() {
    box(1)->setText(QStringLiteral("1234"));
    box(1)->setFocus();
    QTest::keyClick(box(1), Qt::Key_Home);
    QTest::keyClick(box(1), Qt::Key_Delete);
    QCOMPARE(box(1)->text(), QStringLiteral("234"));
    QTest::keyClick(box(1), Qt::Key_End);
    QTest::keyClick(box(1), Qt::Key_Backspace);
    QCOMPARE(box(1)->text(), QStringLiteral("23"));
    QTest::keyClick(box(1), Qt::Key_Left);
    QTest::keyClick(box(1), Qt::Key_9);
    QCOMPARE(box(1)->text(), QStringLiteral("293"));
    QTest::keyClick(box(1), Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(box(1), Qt::Key_Delete);
    QCOMPARE(box(1)->text(), QStringLiteral("3"));
    QTest::keyClick(box(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(2));
    QTest::keyClick(box(2), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), box(1));
  }

  void aBoxShortenedByTheProgramTakesTypingAgain() {
    c->panel.setBoxText(0, QStringLiteral("100")); // whole, beyond the two typed characters
    box(0)->setFocus();
    box(0)->end(false);
    QTest::keyClick(box(0), Qt::Key_5);
    QCOMPARE(box(0)->text(), QStringLiteral("100"));
    QTest::keyClick(box(0), Qt::Key_Backspace);
    QTest::keyClick(box(0), Qt::Key_Backspace);
    QTest::keyClick(box(0), Qt::Key_7);
    QCOMPARE(box(0)->text(), QStringLiteral("17"));
  }

  void enterCalculatesFromEveryBox_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i)
      QTest::newRow(qPrintable(QStringLiteral("box %1").arg(i))) << i;
  }
  void enterCalculatesFromEveryBox() {
    QFETCH(int, index);
    box(2)->setText(QStringLiteral("12")); // a full gain and base box still calculate
    box(3)->setText(QStringLiteral("100"));
    box(4)->setText(QStringLiteral("12"));
    const QString before = box(index)->text();
    box(index)->setFocus();
    QTest::keyClick(box(index), Qt::Key_Return);
    QCOMPARE(c->panel.caption(9), u"corrente di base: 360 \u00B5A"_s);
    QCOMPARE(box(index)->text(), before); // Enter never reaches the text
    QCOMPARE(box(1)->text(), QString());  // only the current box fills in a resistance
    QTest::keyClick(box(index), Qt::Key_Enter); // the keypad's Enter too
    QCOMPARE(c->panel.caption(9), u"corrente di base: 360 \u00B5A"_s);
  }

  void enterInTheCurrentBoxFillsInTheResistance() {
    box(0)->setText(QStringLiteral("12"));
    box(3)->setText(QStringLiteral("100"));
    box(1)->setText(QStringLiteral("999"));
    type(2, QStringLiteral("20"));
    QTest::keyClick(box(2), Qt::Key_Return);
    QCOMPARE(box(1)->text(), QStringLiteral("600"));
    QCOMPARE(box(2)->text(), QStringLiteral("20")); // the calculation read 12 V / 600 ohm
    QCOMPARE(c->panel.caption(9), u"corrente di base: 600 \u00B5A"_s);
    QCOMPARE(c->calculation.nScala, int16_t(2));
    // Again after that run, which left the base current's unit behind.
    QTest::keyClick(box(2), Qt::Key_Return);
    QCOMPARE(box(1)->text(), QStringLiteral("600"));
    QVERIFY(prompts.isEmpty());
  }

  void aFailedFillInLeavesTheResistanceAndStillCalculates_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("unit");
    QTest::newRow("lone comma") << "," << 1;
    QTest::newRow("two commas") << "1,2,3" << 1;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("no unit") << "20" << -1;
    QTest::newRow("beyond 32-bit ohms") << "1" << 3;
  }
  void aFailedFillInLeavesTheResistanceAndStillCalculates() {
    QFETCH(QString, current);
    QFETCH(int, unit);
    c->panel.selectUnit(int16_t(unit));
    box(0)->setText(QStringLiteral("12"));
    box(1)->setText(QStringLiteral("33"));
    box(2)->setText(current);
    box(2)->setFocus();
    QTest::keyClick(box(2), Qt::Key_Return);
    QCOMPARE(box(1)->text(), QStringLiteral("33"));
    // The calculation ran: it took 12 V / 33 ohm as the collector current.
    QCOMPARE(box(2)->text(), QStringLiteral("363,6"));
    QCOMPARE(c->cboScala->currentText(), QStringLiteral("mA"));
    QCOMPARE(c->panel.caption(9), QStringLiteral("corrente di base: 6,82 mA"));
    QVERIFY(prompts.isEmpty());
  }

  // Counted by the prompt that each run shows for the empty current box.
  void enterCalculatesOnceOnTheButtonAndInABox_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter on calcola") << "cmdCalcola" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter on calcola")
        << "cmdCalcola" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space on calcola") << "cmdCalcola" << int(Qt::Key_Space) << 0;
    QTest::newRow("Enter in a box") << "txtBJT(3)" << int(Qt::Key_Return) << 0;
    QTest::newRow("keypad Enter in a box")
        << "txtBJT(3)" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
  }
  void enterCalculatesOnceOnTheButtonAndInABox() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto *target = w->findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(QApplication::focusWidget(), box(2)); // where the prompt sent the user
    // A key held down repeats; the button is still pressed once.
    if (control == u"cmdCalcola") {
      target->setFocus();
      QKeyEvent repeated(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
      QApplication::sendEvent(target, &repeated);
      QCOMPARE(prompts.size(), 1);
    }
  }

  // What an input method commits is typed character by character through
  // the filter and the length limit; what it is still composing is not
  // shown.
  void inputMethodsTypeThroughTheFilter_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("text");
    QTest::newRow("point becomes comma") << 2 << "" << "5.5" << "5,5";
    QTest::newRow("letters and signs dropped") << 1 << "" << "4k7 -e+" << "47";
    QTest::newRow("beyond ASCII dropped") << 1 << "" << u"1\u00B52\u00E8"_s << "12";
    QTest::newRow("length limit holds") << 0 << "" << "123" << "12";
    QTest::newRow("length limit after typing") << 3 << "16" << "05" << "160";
    QTest::newRow("Backspace") << 1 << "47" << "\b" << "4";
  }
  void inputMethodsTypeThroughTheFilter() {
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, commit);
    QFETCH(QString, text);
    QVERIFY(box(index)->testAttribute(Qt::WA_InputMethodEnabled));
    box(index)->setText(before);
    box(index)->setFocus();
    const QImage shown = box(index)->grab().toImage();
    QInputMethodEvent composing(QStringLiteral("abc"), {});
    QApplication::sendEvent(box(index), &composing);
    QCOMPARE(box(index)->grab().toImage(), shown);

    QInputMethodEvent committed;
    committed.setCommitString(commit);
    QApplication::sendEvent(box(index), &committed);
    QCOMPARE(box(index)->text(), text);
    QVERIFY(prompts.isEmpty());
  }

  void anInputMethodsEnterCalculatesAndItsReplacementRemoves() {
    box(0)->setText(QStringLiteral("12"));
    box(1)->setText(QStringLiteral("999"));
    box(3)->setText(QStringLiteral("100"));
    box(2)->setText(QStringLiteral("2"));
    box(2)->setFocus();
    box(2)->end(false);
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("0\r"));
    QApplication::sendEvent(box(2), &committed);
    QCOMPARE(box(1)->text(), QStringLiteral("600")); // as Enter in the current box
    QCOMPARE(c->panel.caption(9), u"corrente di base: 600 \u00B5A"_s);
    QVERIFY(prompts.isEmpty());

    box(1)->setFocus();
    box(1)->end(false);
    QInputMethodEvent replacing;
    replacing.setCommitString(QStringLiteral("7x"), -2, 2);
    QApplication::sendEvent(box(1), &replacing);
    QCOMPARE(box(1)->text(), QStringLiteral("67"));
  }

  void multiplierOptionsAnswerTheArrowKeys() {
    box(2)->setText(QStringLiteral("12"));
    box(3)->setText(QStringLiteral("100"));
    c->optSatura[1]->setFocus();
    QTest::keyClick(c->optSatura[1], Qt::Key_Down);
    QVERIFY(c->optSatura[2]->isChecked());
    QCOMPARE(c->panel.caption(9), u"corrente di base: 600 \u00B5A"_s);
    QVERIFY(c->panel.caption(12).contains(QStringLiteral("x 5")));
  }

  // An option chosen with an arrow key runs its handler and leaves the focus
  // where a click on that option leaves it: a type sends it to the
  // collector-voltage box, a multiplier leaves it where the calculation
  // puts it (the box it asks for) or on the option; also when the window
  // is not active again by the time the handler returns, as without a
  // window manager after a message box.
  void anOptionChosenByKeyEndsWhereAClickEnds_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("promptStaysActive");
    QTest::newRow("Down on NPN") << "optBjt(0)" << int(Qt::Key_Down) << false << "optBjt(1)"
                                 << "txtBJT(0)" << 0 << false;
    QTest::newRow("Down on NPN, complete") << "optBjt(0)" << int(Qt::Key_Down) << true
                                           << "optBjt(1)" << "txtBJT(0)" << 0 << false;
    QTest::newRow("Down on x 3, empty boxes") << "optSatura(1)" << int(Qt::Key_Down) << false
                                              << "optSatura(2)" << "txtBJT(2)" << 1 << false;
    QTest::newRow("Down on x 3, empty boxes, the prompt's window still active")
        << "optSatura(1)" << int(Qt::Key_Down) << false << "optSatura(2)" << "txtBJT(2)" << 1
        << true;
    QTest::newRow("Up on x 3, empty boxes") << "optSatura(1)" << int(Qt::Key_Up) << false
                                            << "optSatura(0)" << "txtBJT(2)" << 1 << false;
    QTest::newRow("Down on x 3, complete") << "optSatura(1)" << int(Qt::Key_Down) << true
                                           << "optSatura(2)" << "optSatura(2)" << 0 << false;
  }
  void anOptionChosenByKeyEndsWhereAClickEnds() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(bool, complete);
    QFETCH(QString, chosen);
    QFETCH(QString, focus);
    QFETCH(int, asked);
    QFETCH(bool, promptStaysActive);
    QWidget promptWindow;
    QString focusAtPrompt; // where the focus is while the handler runs
    const auto choose = [&](bool byKey) {
      c.reset();
      w = showWindowRecordingPrompts(prompts);
      c.emplace(*w);
      QVERIFY(QTest::qWaitForWindowActive(w.get()));
      focusAtPrompt.clear();
      w->setMessageHandler([&](const QString &prompt, MsgBoxStyle, const QString &) {
        prompts << prompt;
        focusAtPrompt = QApplication::focusWidget()->objectName();
        if (promptStaysActive) {
          promptWindow.show();
          promptWindow.activateWindow();
          QVERIFY(QTest::qWaitForWindowActive(&promptWindow));
        }
      });
      if (complete) {
        box(2)->setText(QStringLiteral("12"));
        box(3)->setText(QStringLiteral("100"));
      }
      auto *start = w->findChild<QRadioButton *>(from);
      auto *option = w->findChild<QRadioButton *>(chosen);
      if (byKey) {
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key(key));
      } else {
        QTest::mouseClick(option, Qt::LeftButton);
      }
      QVERIFY(option->isChecked());
      QCOMPARE(w->focusWidget()->objectName(), focus);
      QCOMPARE(prompts.size(), asked);
    };
    choose(false);
    const QString focusAtPromptAfterClick = focusAtPrompt;
    const QString clickedPanel = c->panel.caption(12);
    const bool pnpInFrontAfterClick =
        c->Frame1->children().indexOf(c->picPNP) > c->Frame1->children().indexOf(c->picNPN);
    choose(true);
    QCOMPARE(focusAtPrompt, focusAtPromptAfterClick);
    QCOMPARE(c->panel.caption(12), clickedPanel);
    QCOMPARE(c->Frame1->children().indexOf(c->picPNP) > c->Frame1->children().indexOf(c->picNPN),
             pnpInFrontAfterClick);
  }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
