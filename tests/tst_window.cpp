#include "ui/bitmapSet.h"
#include "ui/lineBreakLabel.h"
#include "ui/controlFactory.h"
#include "ui/controlTable.h"
#include "ui/fonts.h"
#include "windowInspector.h"
#include "ui/frmBJT.h"
#include "ui/inputBox.h"
#include "ui/outlineShape.h"
#include "ui/spokenNotice.h"
#include "ui/pictureBox.h"
#include "runtime/errors.h"
#include "ui/unitComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtEndian>

#include <algorithm>

using namespace Qt::StringLiterals;


class WindowTest : public QObject {
  Q_OBJECT

  struct Shown {
    QString prompt;
    MsgBoxStyle style;
  };

  static QStringList captions(const WindowInspector &c, std::initializer_list<int> indexes) {
    QStringList list;
    for (int i : indexes)
      list << c.panel.caption(int16_t(i));
    return list;
  }

private slots:
  // Every control of the table is a widget in its container, placed in the
  // window as shown where its row puts it (15 twips to the pixel, rounded to
  // the nearest; a label sized to its text keeps only its place), of the
  // kind a screen reader announces for it; none covers its frame's title.
  void everyControlStandsWhereItsRowPutsIt() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    const QHash<Kind, QAccessible::Role> roles{
        {Kind::Frame, QAccessible::Grouping},           {Kind::Label, QAccessible::StaticText},
        {Kind::TextBox, QAccessible::EditableText},     {Kind::ComboBox, QAccessible::ComboBox},
        {Kind::OptionButton, QAccessible::RadioButton}, {Kind::CommandButton, QAccessible::Button},
        {Kind::Rectangle, QAccessible::Graphic},        {Kind::PictureBox, QAccessible::Graphic},
        {Kind::Image, QAccessible::Graphic}};
    QHash<QString, const ControlSpec *> rows;
    for (const ControlSpec &row : controlTable())
      rows.insert(controlName(row), &row);
    const auto pixels = [](int twips) { return qRound(twips / 15.0); };
    for (const ControlSpec &row : controlTable()) {
      const QString name = controlName(row);
      QWidget *control = w.findChild<QWidget *>(name);
      QVERIFY2(control, qPrintable(name));
      QCOMPARE(QAccessible::queryAccessibleInterface(control)->role(), roles.value(row.kind));
      QPoint inWindow(pixels(row.left), pixels(row.top));
      for (const ControlSpec *in = rows.value(QString::fromUtf8(row.container)); in;
           in = rows.value(QString::fromUtf8(in->container)))
        inWindow += QPoint(pixels(in->left), pixels(in->top));
      QCOMPARE(control->mapTo(&w, QPoint(0, 0)), inWindow);
      if (!row.sizeToText)
        QCOMPARE(control->size(), QSize(pixels(row.width), pixels(row.height)));
      QWidget *container = control->parentWidget();
      QCOMPARE(container->objectName(), QString::fromUtf8(row.container));
      QVERIFY2(container->rect().contains(control->geometry()),
               qPrintable(name + " reaches out of " + container->objectName()));
      if (auto *frame = qobject_cast<QGroupBox *>(container); frame && !frame->title().isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(!title.intersects(control->geometry()), qPrintable(name + " covers a title"));
      }
    }
    QVERIFY(w.rect().contains(c.Frame1->geometry()));
  }

  // Controls side by side never overlap, except the two circuit pictures,
  // which share one place, and neighbours sharing one edge pixel (rows 360
  // twips apart and 375 high); an outline surrounds whole controls, never cuts one.
  void noControlCoversAnother() {
    frmBJT w;
    WindowInspector c(w);
    for (QWidget *container : w.findChildren<QWidget *>()) {
      QList<QWidget *> controls;
      for (QObject *child : container->children())
        if (child->isWidgetType() && !static_cast<QWidget *>(child)->isHidden() &&
            !child->objectName().isEmpty())
          controls << static_cast<QWidget *>(child);
      for (QWidget *a : controls)
        for (QWidget *b : controls) {
          const QRect shared = a->geometry().intersected(b->geometry());
          if (a == b || qMin(shared.width(), shared.height()) <= 1 || a->geometry() == b->geometry())
            continue;
          const auto surrounds = [](QWidget *outline, QWidget *other) {
            return outline->objectName().startsWith(u"Shape") &&
                   outline->geometry().contains(other->geometry());
          };
          QVERIFY2(surrounds(a, b) || surrounds(b, a),
                   qPrintable(a->objectName() + " and " + b->objectName() + " overlap"));
        }
    }
  }

  void aCaptionMayComeAfterTheBoxItNames() {
    QWidget window;
    window.setObjectName(QStringLiteral("frmBJT"));
    const ControlSpec rows[] = {
        {.name = "txtBJT", .index = 0, .kind = Kind::TextBox, .container = "frmBJT",
         .left = 0, .top = 600, .width = 855, .height = 420, .labelledBy = "lblBJT(0)"},
        {.name = "lblBJT", .index = 0, .kind = Kind::Label, .container = "frmBJT",
         .left = 0, .top = 0, .width = 1335, .height = 495, .text = "  Tensione   di Collettore "},
    };
    const auto byName = createControls(rows, &window);
    QWidget *box = byName.value(QStringLiteral("txtBJT(0)"));
    QCOMPARE(qobject_cast<QLabel *>(byName.value(QStringLiteral("lblBJT(0)")))->buddy(), box);
    QCOMPARE(box->accessibleName(), QStringLiteral("Tensione di Collettore"));
  }

  void startsAsItWillBeUsed() {
    frmBJT w;
    WindowInspector c(w);
    QCOMPARE(w.windowTitle(), QStringLiteral("BJT Base Resistor Calculator 0.2"));
    QStringList entries;
    for (int i = 0; i < c.cboScala->count(); ++i)
      entries << c.cboScala->itemText(i);
    QCOMPARE(entries, (QStringList{"A", "mA", u"\u00B5A"_s, "nA"}));
    QCOMPARE(c.cboScala->currentText(), QStringLiteral("mA"));
    QCOMPARE(c.panel.selectedUnit(), int16_t(1));
    QCOMPARE(c.calculation.nScala, int16_t(1));
    for (int i = 0; i < 5; ++i)
      QCOMPARE(c.panel.boxText(int16_t(i)), (QStringList{"", "", "", "160", "5"}[i]));
    QVERIFY(c.optBjt[0]->isChecked() && !c.optBjt[1]->isChecked());
    QVERIFY(!c.optSatura[0]->isChecked() && c.optSatura[1]->isChecked() && !c.optSatura[2]->isChecked());
    const QObjectList stack = c.Frame1->children();
    QVERIFY(stack.indexOf(c.picNPN) > stack.indexOf(c.picPNP)); // NPN in front
    QCOMPARE(captions(c, {9, 10, 11, 13}),
             (QStringList{"corrente di base:", "resistenza di base: ", "", "Watt:"}));
    QCOMPARE(c.panel.caption(12), QStringLiteral("Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 3\r\nRb= (5V-0,7V) / Ib"));
    QCOMPARE(c.lblBJT[12]->text(), QStringLiteral("Ic= Vc / Rc\nIb= (Ic / Hfe) x 3\nRb= (5V-0,7V) / Ib"));
    QVERIFY(c.lblBJT[7]->isHidden());
    QCOMPARE(c.optSatura[1]->toolTip(), QStringLiteral("Moltiplicatore di valore di Ib x 3"));
    QCOMPARE(c.lblBJT[11]->toolTip(), QStringLiteral("Resistenza di base"));

    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), c.txtBJT[0]);
    QVERIFY(!c.lblBJT[7]->isVisible());
  }

  void placedCentredAndAThirdDown() {
    frmBJT w;
    WindowInspector c(w);
    const QRect screen = w.screen()->geometry();
    QCOMPARE(w.x(), screen.x() + qRound((screen.width() - 617) / 2.0));
    QCOMPARE(w.y(), screen.y() + qRound((screen.height() - 474) / 3.0));
  }

  void captionShowsMinorAndRevision() {
    frmBJT w(QVersionNumber({1, 2, 0, 3}));
    WindowInspector c(w);
    QCOMPARE(w.windowTitle(), QStringLiteral("BJT Base Resistor Calculator 2.3"));
  }

  void textsFitTheirControls() {
    frmBJT w;
    WindowInspector c(w);
    // Each caption wraps only where the rectangle was made for it and is not cut.
    for (LineBreakLabel *label : w.findChildren<LineBreakLabel *>()) {
      if (label->text().isEmpty() || label == c.Label2)
        continue;
      const QFontMetrics metrics(label->font());
      const QRect needed = metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 1000),
                                                int(label->alignment()) | Qt::TextWordWrap,
                                                label->text());
      QVERIFY2(needed.height() <= label->contentsRect().height() + 1,
               qPrintable(label->objectName() + " is cut: " + label->text()));
      for (const QString &word : label->text().split(QRegularExpression(QStringLiteral("\\s+")),
                                                      Qt::SkipEmptyParts))
        QVERIFY2(metrics.horizontalAdvance(word) <= label->contentsRect().width(),
                 qPrintable(label->objectName() + ": " + word));
    }
    const QFontMetrics title(c.Label1->font());
    QVERIFY(title.horizontalAdvance(c.Label1->text()) <= c.Label1->width());
    for (QRadioButton *option : w.findChildren<QRadioButton *>())
      QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->objectName()));
    QVERIFY(c.cmdCalcola->sizeHint().width() <= c.cmdCalcola->width());
  }

  // No control stacked above a caption hides any of its text.
  void everyCaptionIsFullyVisible() {
    frmBJT w;
    WindowInspector c(w);
    for (LineBreakLabel *label : w.findChildren<LineBreakLabel *>()) {
      if (label->text().isEmpty() || label->isHidden())
        continue;
      const QRect needed = label->fontMetrics().boundingRect(
          label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
      const QRect text = needed.translated(label->pos());
      const QObjectList stack = label->parentWidget()->children();
      for (qsizetype i = stack.indexOf(label) + 1; i < stack.size(); ++i) {
        auto *above = qobject_cast<QWidget *>(stack[i]);
        if (!above || above->isHidden())
          continue;
        QVERIFY2(!above->geometry().intersects(text),
                 qPrintable(above->objectName() + " hides text of " + label->objectName()));
      }
    }
  }

  // Each face resolves to the installed face nearest to it, at its size in
  // points at 96 dots per inch, rounded to whole pixels.
  void fontsAreTheNearestFaces_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::newRow("sans serif") << int(Face::MsSansSerif) << 8.25 << "Liberation Sans" << 11;
    QTest::newRow("Arial, half a pixel up") << int(Face::Arial) << 7.875 << "Liberation Sans" << 11;
    QTest::newRow("rounded") << int(Face::ArialRoundedMtBold) << 20.25 << "Quicksand" << 27;
  }
  void fontsAreTheNearestFaces() {
    QFETCH(int, face);
    QFETCH(double, points);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    const QFont font = fontFor({.face = Face(face), .points = points});
    QCOMPARE(QFontInfo(font).family(), family);
    QCOMPARE(font.pixelSize(), pixels);
  }

  void captionsReadBackWithTheirLineBreaks() {
    frmBJT w;
    WindowInspector c(w);
    const QString twoLines = QStringLiteral("resistenza di base: 35.833 Ohm\r\n(35,83K)");
    c.panel.setCaption(10, twoLines);
    QCOMPARE(c.panel.caption(10), twoLines);
    QCOMPARE(c.lblBJT[10]->text(), QStringLiteral("resistenza di base: 35.833 Ohm\n(35,83K)"));
    QCOMPARE(c.lblBJT[10]->height(), 18); // a label never grows
  }

  void selectorFollowsItsTextAndRefusesMissingEntries() {
    frmBJT w;
    WindowInspector c(w);
    c.cboScala->setEditText(u"\u00B5A"_s);
    QCOMPARE(c.panel.selectedUnit(), int16_t(2));
    QCOMPARE(c.calculation.nScala, int16_t(2));
    c.cboScala->setEditText(QStringLiteral("ma"));
    QCOMPARE(c.calculation.nScala, int16_t(-1));
    c.panel.selectUnit(3);
    QCOMPARE(c.cboScala->currentText(), QStringLiteral("nA"));
    QCOMPARE(c.calculation.nScala, int16_t(3));
    for (int16_t missing : {int16_t(4), int16_t(5)}) {
      QVERIFY_THROWS_EXCEPTION(RuntimeError, c.panel.selectUnit(missing));
      QCOMPARE(c.panel.selectedUnit(), int16_t(3));
      QCOMPARE(c.calculation.nScala, int16_t(3));
    }
    c.calculation.nScala = 0;
    c.panel.selectUnit(3); // selecting the selected entry reports it again
    QCOMPARE(c.calculation.nScala, int16_t(3));
  }

  void workedExampleThroughTheWindow_data() {
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("x 1") << 0
                         << QStringList{u"corrente di base: 120 \u00B5A"_s,
                                        "resistenza di base: 35.833 Ohm\r\n(35,83K)", "35,8K",
                                        "Watt:  0,14"};
    QTest::newRow("x 3") << 1
                         << QStringList{u"corrente di base: 360 \u00B5A"_s,
                                        "resistenza di base: 11.944 Ohm\r\n(11,94K)", "11,9K",
                                        "Watt:  0,14"};
  }
  void workedExampleThroughTheWindow() {
    QFETCH(int, multiplier);
    QFETCH(QStringList, labels);
    frmBJT w;
    WindowInspector c(w);
    std::vector<Shown> shown;
    w.setMessageHandler([&](const QString &p, MsgBoxStyle s, const QString &) { shown.push_back({p, s}); });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    c.txtBJT[0]->setText(QStringLiteral("12"));
    c.txtBJT[1]->setText(QStringLiteral("1000"));
    c.txtBJT[3]->setText(QStringLiteral("100"));
    QTest::mouseClick(c.optSatura[multiplier], Qt::LeftButton); // runs a calculation too
    QTest::mouseClick(c.cmdCalcola, Qt::LeftButton);
    QVERIFY(shown.empty());
    QCOMPARE(c.panel.boxText(2), QStringLiteral("12"));
    QCOMPARE(c.cboScala->currentText(), QStringLiteral("mA"));
    QCOMPARE(captions(c, {9, 10, 11, 13}), labels);
    QCOMPARE(c.lblBJT[9]->toolTip(), QStringLiteral("MicroAmpere"));
    QCOMPARE(c.calculation.nScala, int16_t(2));
  }

  void missingInputIsAskedForInARealMessageBox() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = int(box->buttons().size());
        box->accept();
      }
    });
    closer.start(20);
    QTest::mouseClick(c.cmdCalcola, Qt::LeftButton);
    QCOMPARE(text, QStringLiteral("Inserire un valore di  'Corrente di Collettore'   "));
    QCOMPARE(title, QStringLiteral("Base Resistor Calculator"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, 1);
    QCOMPARE(w.focusWidget(), c.txtBJT[2]);
    QCOMPARE(captions(c, {9, 10}), (QStringList{"", ""}));
  }

  // What a screen reader calls the unit selector: on Linux Qt names a combo
  // box after its text and labels it with the label that has it as buddy;
  // its text field, which holds the focus, carries the name itself.
  static QString selectorsName(const WindowInspector &c) {
    QAccessibleInterface *selector = QAccessible::queryAccessibleInterface(c.cboScala);
    const auto labels = selector->relations(QAccessible::Label);
    if (labels.size() != 1)
      return QStringLiteral("%1 labels").arg(labels.size());
    const QString name = labels.first().first->text(QAccessible::Name);
    const QString field =
        QAccessible::queryAccessibleInterface(c.cboScala->lineEdit())->text(QAccessible::Name);
    return field == name ? name : QStringLiteral("label %1, field %2").arg(name, field);
  }

  void screenReadersHearMeaningfulNames() {
    frmBJT w;
    WindowInspector c(w);
    const auto name = [](QWidget *widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    const QStringList boxes{"Tensione di Collettore", "Resistenza di Collettore",
                            "Corrente di Collettore", "HFE / GAIN", "Tensione di BASE"};
    for (int i = 0; i < 5; ++i)
      QCOMPARE(name(c.txtBJT[i]), boxes[i]);
    QCOMPARE(selectorsName(c), u"Unit\u00E0 della Corrente di Collettore"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(c.cboScala)->text(QAccessible::Value),
             QStringLiteral("mA"));
    QCOMPARE(name(c.optSatura[2]), QStringLiteral("x 5"));
    QCOMPARE(QAccessible::queryAccessibleInterface(c.optSatura[2])->text(QAccessible::Description),
             QStringLiteral("Moltiplicatore di Ib x 5"));
    QCOMPARE(name(c.cmdCalcola), QStringLiteral("calcola"));
    c.panel.setCaption(9, QStringLiteral("corrente di base: 120 mA"));
    QCOMPARE(name(c.lblBJT[9]), QStringLiteral("corrente di base: 120 mA"));
    QVERIFY(c.lblBJT[9]->accessibleName().isEmpty());
    const auto description = [](QWidget *widget) {
      return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
    };
    QCOMPARE(description(c.txtBJT[0]), QStringLiteral("Volt"));
    QCOMPARE(description(c.txtBJT[1]), QStringLiteral("Ohm"));
    QCOMPARE(description(c.txtBJT[4]), QStringLiteral("Volt"));
    QCOMPARE(description(c.txtBJT[2]), QString()); // its unit is the selector
  }

  // The window is a window with its title, not a filler that a screen
  // reader takes for the group around the multipliers. The pictures are
  // images with their names; a circuit covered by the other one is not
  // showing. The type options lie in a named group, as the other
  // frames' controls do, and the outlines are nameless decoration: nothing
  // is the top-level frame that Qt makes of a plain QFrame, which screen
  // readers skip as an inactive window.
  void screenReadersMeetPicturesAndGroupsForWhatTheyAre() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const auto iface = [](QWidget *widget) { return QAccessible::queryAccessibleInterface(widget); };
    QCOMPARE(iface(&w)->role(), QAccessible::Window);
    QCOMPARE(iface(&w)->text(QAccessible::Name), w.windowTitle());
    const QList<std::pair<PictureBox *, QString>> pictures{{c.picNPN, "Circuito NPN"},
                                                           {c.picPNP, "Circuito PNP"},
                                                           {c.picResistenza, "Resistenza"},
                                                           {c.Image2, "Transistor"}};
    for (const auto &[picture, name] : pictures) {
      QCOMPARE(iface(picture)->role(), QAccessible::Graphic);
      QCOMPARE(iface(picture)->text(QAccessible::Name), name);
      QAccessibleImageInterface *image = iface(picture)->imageInterface();
      QVERIFY(image);
      QCOMPARE(image->imageDescription(), name);
      QCOMPARE(image->imageSize(), picture->contentsRect().size());
    }
    const auto showing = [&](PictureBox *picture) { return !iface(picture)->state().invisible; };
    QVERIFY(showing(c.picNPN) && !showing(c.picPNP) && showing(c.picResistenza));

    QTest::mouseClick(c.optBjt[1], Qt::LeftButton);
    QVERIFY(!showing(c.picNPN) && showing(c.picPNP));
    QTest::mouseClick(c.optBjt[0], Qt::LeftButton);
    QVERIFY(showing(c.picNPN) && !showing(c.picPNP));

    QAccessibleInterface *group = iface(c.fraOPT);
    QCOMPARE(group->role(), QAccessible::Grouping);
    QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Tipo di transistor"));
    QCOMPARE(group->childCount(), 2);
    for (QRadioButton *option : c.optBjt)
      QCOMPARE(iface(option)->parent()->object(), c.fraOPT);
    for (OutlineShape *outline : {c.Shape2, c.Shape3}) {
      QCOMPARE(iface(outline)->role(), QAccessible::Graphic);
      QCOMPARE(iface(outline)->text(QAccessible::Name), QString());
    }
    for (const ControlSpec &row : controlTable()) {
      QWidget *control = w.findChild<QWidget *>(controlName(row));
      QVERIFY2(iface(control)->role() != QAccessible::Border, qPrintable(control->objectName()));
    }
  }

  // The selector keeps its own name while the arrow keys choose a unit, its
  // value the chosen one; its list opens on the entry the field names, also
  // after a unit was typed there.
  void screenReadersHearTheChosenUnit() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAccessibleInterface *selector = QAccessible::queryAccessibleInterface(c.cboScala);
    for (const auto &[unit, index] : {std::pair(u"\u00B5A"_s, 2), std::pair(u"nA"_s, 3)}) {
      QTest::keyClick(c.cboScala, Qt::Key_Down); // the way a keyboard user chooses
      QCOMPARE(selector->text(QAccessible::Value), unit);
      QCOMPARE(selectorsName(c), u"Unit\u00E0 della Corrente di Collettore"_s);
      QCOMPARE(c.panel.selectedUnit(), int16_t(index));
    }
    c.cboScala->setEditText(u"A"_s);
    QTest::keyClick(c.cboScala, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(c.cboScala->view()->isVisible());
    QCOMPARE(c.cboScala->view()->currentIndex().row(), 0);
    c.cboScala->hidePopup();
  }

  // The results can be selected and copied, and stay what they were: the
  // same picture, named by their own text, out of the Tab order.
  void resultsCanBeCopiedAndLookAsBefore() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QList<std::pair<int, QString>> results{
        {9, u"corrente di base: 93,75 \u00B5A"_s},
        {10, QStringLiteral("resistenza di base: 45.866 Ohm\r\n(45,87K)")},
        {11, QStringLiteral("45,9K")},
        {11, QStringLiteral("4,29999E+12K")},
        {13, QStringLiteral("Watt:  0,066")}};
    for (const auto &[i, text] : results) {
      LineBreakLabel *result = c.lblBJT[std::size_t(i)];
      c.panel.setCaption(int16_t(i), text);
      QVERIFY(!(result->focusPolicy() & Qt::TabFocus));
      QVERIFY(result->accessibleName().isEmpty());

      LineBreakLabel plain(result->parentWidget());
      plain.setGeometry(result->geometry());
      plain.setFont(result->font());
      plain.setPalette(result->palette());
      plain.setAutoFillBackground(result->autoFillBackground());
      plain.setFrameStyle(result->frameStyle());
      plain.setLineWidth(result->lineWidth());
      plain.setAlignment(result->alignment());
      plain.setCaption(result->caption());
      QCOMPARE(result->grab().toImage(), plain.grab().toImage());

      // Dragging the mouse across the first line selects what it shows of
      // its text (a number too long for its box overflows both its sides),
      // and the label, ready for selection now, still looks the same.
      const int y = result->contentsRect().top() + result->fontMetrics().height() / 2;
      QTest::mousePress(result, Qt::LeftButton, {}, QPoint(1, y));
      QCOMPARE(result->grab().toImage(), plain.grab().toImage());
      QTest::mouseMove(result, QPoint(result->width() - 2, y));
      QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(result->width() - 2, y));
      QVERIFY(result->grab().toImage() != plain.grab().toImage()); // the selection shows
      QCOMPARE(QApplication::focusWidget(), result);
      // The copy key puts what is selected on the clipboard.
      QGuiApplication::clipboard()->clear();
      QTest::keySequence(result, QKeySequence::Copy);
      const QString copied = QGuiApplication::clipboard()->text();
      QVERIFY2(!copied.isEmpty() && text.contains(copied), qPrintable(copied));
    }
  }

  // Where every line fits, a label draws as Qt's own label with the same
  // settings, framed or not.
  void aLabelWhoseLinesFitDrawsAsQtsOwn_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("caption");
    QTest::newRow("base current") << 9 << u"corrente di base: 93,75 \u00B5A"_s;
    QTest::newRow("framed rounded value") << 11 << QStringLiteral("45,9K");
    QTest::newRow("formula panel, last line cut at its foot")
        << 12 << QStringLiteral("Ic= Vc / Rc\r\nIb= (Ic / Hfe) x 3\r\nRb= (5V-0,7V) / Ib");
    QTest::newRow("two-line caption") << 0 << QStringLiteral("  Tensione   di Collettore ");
  }
  void aLabelWhoseLinesFitDrawsAsQtsOwn() {
    QFETCH(int, label);
    QFETCH(QString, caption);
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    LineBreakLabel *shown = c.lblBJT[std::size_t(label)];
    shown->setCaption(caption);
    QLabel qts(shown->parentWidget());
    qts.setTextFormat(Qt::PlainText);
    qts.setWordWrap(true);
    qts.setGeometry(shown->geometry());
    qts.setFont(shown->font());
    qts.setPalette(shown->palette());
    qts.setAutoFillBackground(shown->autoFillBackground());
    qts.setFrameStyle(shown->frameStyle());
    qts.setLineWidth(shown->lineWidth());
    qts.setAlignment(shown->alignment());
    qts.setText(shown->text());
    qts.show();
    QCOMPARE(shown->grab().toImage(), qts.grab().toImage());
  }

  // A line that does not fit its label leaves no pixel at any scale, in a
  // label as it starts and once it is ready for selection: the label looks
  // as one that holds only the lines above it. A last line whose letters fit
  // but whose foot is cut still shows. A label made taller, or given a larger
  // font, after it was drawn shows the lines that fit it now.
  void noPartOfAHiddenLineShows_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("linesThatFit");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("selectionReady");
    QTest::addColumn<int>("grownBy");
    QTest::addColumn<int>("fontPixels");
    const QString twoLines = QStringLiteral("resistenza di base: 19.111 Ohm\r\n(19,11K)");
    const QList<std::tuple<const char *, int, QString, QString, int, int>> cases{
        {"second line", 10, twoLines, QStringLiteral("resistenza di base: 19.111 Ohm"), 0, 0},
        {"wrapped line", 10, QStringLiteral("resistenza di base: 45.866 Ohm  (45,866 Kohm)"),
         QStringLiteral("resistenza di base: 45.866 Ohm  (45,866"), 0, 0},
        {"formula panel", 12, QStringLiteral("a\r\nb\r\nc\r\nd"), QStringLiteral("a\r\nb\r\nc"), 0, 0},
        {"second line, the label grown", 10, twoLines, twoLines, 18, 0},
        {"formula panel, a larger font", 12, QStringLiteral("a\r\nb\r\nc"), QStringLiteral("a\r\nb"), 0, 28},
    };
    for (const auto &[name, label, caption, fitting, grownBy, fontPixels] : cases)
      for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0})
        for (const bool ready : {false, true})
          QTest::addRow("%s at %g%s", name, scale, ready ? ", selectable" : "")
              << label << caption << fitting << scale << ready << grownBy << fontPixels;
  }
  void noPartOfAHiddenLineShows() {
    QFETCH(int, label);
    QFETCH(QString, caption);
    QFETCH(QString, linesThatFit);
    QFETCH(qreal, scale);
    QFETCH(bool, selectionReady);
    QFETCH(int, grownBy);
    QFETCH(int, fontPixels);
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    LineBreakLabel *shown = c.lblBJT[std::size_t(label)];
    shown->setCaption(caption);
    shown->grab();
    shown->resize(shown->width(), shown->height() + grownBy);
    if (fontPixels) {
      QFont larger = shown->font();
      larger.setPixelSize(fontPixels);
      shown->setFont(larger);
    }
    LineBreakLabel fitting(shown->parentWidget());
    fitting.setGeometry(shown->geometry());
    fitting.setFont(shown->font());
    fitting.setPalette(shown->palette());
    fitting.setAlignment(shown->alignment());
    fitting.show();
    fitting.setCaption(linesThatFit);
    if (selectionReady) {
      shown->setSelectable();
      fitting.setSelectable();
      for (LineBreakLabel *l : {shown, &fitting})
        QTest::mousePress(l, Qt::LeftButton, {}, QPoint(1, 1));
    }
    const auto draw = [scale](QWidget *widget) {
      QImage image((QSizeF(widget->size()) * scale).toSize(), QImage::Format_RGB32);
      image.setDevicePixelRatio(scale);
      image.fill(Qt::white);
      widget->render(&image);
      return image;
    };
    QCOMPARE(draw(shown), draw(&fitting));
    QCOMPARE(shown->caption(), caption); // all of it is still the label's text
    fitting.setCaption(linesThatFit.section(QStringLiteral("\r\n"), 0, -2));
    if (linesThatFit.contains(u'\r'))
      QVERIFY(draw(shown) != draw(&fitting));
  }

  // The standard values and the power are the base resistor's tooltip,
  // which a screen reader reads as the label's description.
  void screenReadersHearWhatToFit() {
    frmBJT w;
    WindowInspector c(w);
    std::vector<Shown> shown;
    w.setMessageHandler([&](const QString &p, MsgBoxStyle s, const QString &) { shown.push_back({p, s}); });
    const auto description = [&] {
      return QAccessible::queryAccessibleInterface(c.lblBJT[10])->text(QAccessible::Description);
    };
    c.txtBJT[0]->setText(QStringLiteral("12"));
    c.txtBJT[1]->setText(QStringLiteral("1000"));
    c.txtBJT[3]->setText(QStringLiteral("100"));
    QTest::mouseClick(c.optSatura[0], Qt::LeftButton);
    QVERIFY(shown.empty());
    const QString toFit = u"Valori normalizzati per difetto: E12 33K \u00B7 E24 33K \u00B7 E96 35,7K\n"
                          u"Potenza su Rb: 520 \u00B5W"_s;
    QCOMPARE(c.lblBJT[10]->toolTip(), toFit);
    QCOMPARE(description(), toFit);
    QCOMPARE(QAccessible::queryAccessibleInterface(c.lblBJT[10])->text(QAccessible::Name),
             c.lblBJT[10]->text()); // the name stays the label's own text
    // The resistor picture beside it, a Tab stop, is described by it too.
    const auto pictureDescription = [&] {
      return QAccessible::queryAccessibleInterface(c.picResistenza)->text(QAccessible::Description);
    };
    QCOMPARE(pictureDescription(), toFit);

    c.txtBJT[3]->clear();
    QTest::mouseClick(c.cmdCalcola, Qt::LeftButton); // asks for the gain: no resistor
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(c.lblBJT[10]->toolTip(), QString());
    QCOMPARE(description(), QString());
    QCOMPARE(pictureDescription(), QString());
  }

  // Before Qt 6.8 the window says the results through a notification of no
  // size, which screen readers speak as it shows; Qt 6.8 announces them
  // itself. Either way nothing shows on the screen and the focus stays.
  void resultsAreSaidWithoutMovingTheFocus() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    c.txtBJT[0]->setText(QStringLiteral("12"));
    c.txtBJT[1]->setText(QStringLiteral("1000"));
    c.txtBJT[3]->setText(QStringLiteral("100"));
    c.txtBJT[1]->setFocus();
    QTest::keyClick(c.txtBJT[1], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), c.txtBJT[1]);
    const QList<SpokenNotice *> notices = w.findChildren<SpokenNotice *>();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QVERIFY(notices.isEmpty());
#else
    QCOMPARE(notices.size(), 1);
    SpokenNotice *notice = notices.first();
    QAccessibleInterface *said = QAccessible::queryAccessibleInterface(notice);
    QCOMPARE(said->role(), QAccessible::Notification);
    QVERIFY(said->text(QAccessible::Name)
                .startsWith(u"corrente di base: 360 \u00B5A. resistenza di base: 11.944 Ohm"_s));
    QVERIFY(said->text(QAccessible::Name).endsWith(QStringLiteral("Potenza su Rb: 1,5 mW.")));
    QVERIFY(!said->state().invisible);
    QVERIFY(!said->state().focusable);
    QVERIFY(said->rect().isEmpty());
    QCOMPARE(notice->focusPolicy(), Qt::NoFocus);
#endif
  }

  void tabVisitsTheControlsInOrder() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"txtBJT(1)", "txtBJT(2)", "cboScala", "txtBJT(3)", "txtBJT(4)",
                                   "optSatura(1)", "cmdCalcola", "picNPN", "picPNP",
                                   "picResistenza", "optBjt(0)", "txtBJT(0)"}));
  }

  void typeOptionsBringTheirCircuitToTheFront() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    c.txtBJT[3]->setFocus();
    const QString panel = c.panel.caption(12);
    QTest::mouseClick(c.optBjt[1], Qt::LeftButton);
    QVERIFY(c.Frame1->children().indexOf(c.picPNP) > c.Frame1->children().indexOf(c.picNPN));
    QCOMPARE(QApplication::focusWidget(), c.txtBJT[0]);
    QCOMPARE(c.panel.caption(12), panel);
    QTest::mouseClick(c.optBjt[0], Qt::LeftButton);
    QVERIFY(c.Frame1->children().indexOf(c.picNPN) > c.Frame1->children().indexOf(c.picPNP));
  }

  // The unit list opens in the selector's own font.
  void unitListOpensInTheSelectorsFont() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    c.cboScala->showPopup();
    QAbstractItemView *list = c.cboScala->view();
    QVERIFY(list->isVisible());
    QCOMPARE(list->font(), c.cboScala->font());
    QCOMPARE(QFontInfo(list->font()).pixelSize(), 13);
    QVERIFY(QFontInfo(list->font()).bold());
    QCOMPARE(list->model()->rowCount(), c.cboScala->count());
    c.cboScala->hidePopup();
    QCOMPARE(c.cboScala->lineEdit()->text(), c.cboScala->currentText());
  }

  // Each picture box shows its bitmap pixel for pixel at the scales the
  // pictures are drawn for (at build time, for the boxes in the control
  // table): a size missing from its set would show reduced, less sharp.
  // Shown at scale 1 and then moved to a screen of each other scale while it
  // runs, the box draws anew for that scale. The screens are those of
  // tests/screens.json.
  void everyPictureIsDrawnForItsBoxAtEachScale() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const double scale : bitmapSet::PictureScales) {
      const QList<QScreen *> screens = QGuiApplication::screens();
      const auto screen = std::ranges::find(screens, scale, &QScreen::devicePixelRatio);
      QVERIFY2(screen != screens.end(), "no screen at that scale (tests/screens.json)");
      w.windowHandle()->setScreen(*screen);
      QCOMPARE(w.devicePixelRatio(), scale);
      for (const ControlSpec &row : controlTable()) {
        if (!*row.picture)
          continue;
        auto *box = c.control<PictureBox>(controlName(row));
        const QByteArray set = QResource(QString::fromUtf8(row.picture)).uncompressedData();
        const QSize pixels = bitmapSet::pixelSize(box->contentsRect().size(), scale);
        QVERIFY2(iconFromBitmapSet(set).availableSizes().contains(pixels), row.name);
        QImage bitmap = bitmapAt(set, pixels);
        bitmap.setDevicePixelRatio(scale);
        QVERIFY2(bitmap.copy(0, 0, 1, 1).scaled(pixels) != bitmap, row.name); // not of one colour
        QCOMPARE(box->grab(box->contentsRect()).toImage(), bitmap);
        // Between the sizes drawn, the next larger is reduced; beyond them, the largest enlarged.
        QCOMPARE(bitmapAt(set, pixels + QSize(1, 1)).size(), pixels + QSize(1, 1));
      }
    }
    // Stored compressed, a picture shows the same.
    QCOMPARE(QResource(QStringLiteral(":/compressed/npn")).compressionAlgorithm(),
             QResource::ZlibCompression);
    PictureBox compressed(QStringLiteral(":/compressed/npn"), &w);
    compressed.resize(c.picNPN->contentsRect().size());
    QCOMPARE(compressed.grab().toImage(), c.picNPN->grab(c.picNPN->contentsRect()).toImage());
    for (const int size : bitmapSet::IconSizes)
      QVERIFY(frmBJT::programIcon().availableSizes().contains(QSize(size, size)));
  }

  // A set that is missing, cut or damaged gives no bitmap (its box shows
  // white), and nothing is read beyond its end (PRESET=sanitize checks that).
  void aDamagedBitmapSetGivesNoBitmap_data() {
    QTest::addColumn<QByteArray>("set");
    QTest::addColumn<QSize>("size");
    const QByteArray whole = QResource(QStringLiteral(":/pictures/npn")).uncompressedData();
    const auto with = [&](qsizetype at, auto value) {
      QByteArray set = whole; // a copy of its own, of the set's length
      qToLittleEndian(value, set.data() + at);
      return set;
    };
    const QSize first(175, 125), last(350, 250); // the bitmaps at scale 1 and 2
    QTest::newRow("missing") << QByteArray() << first;
    QTest::newRow("not a set") << with(0, quint32(0)) << first;
    QTest::newRow("cut in the entry table") << whole.first(30) << first;
    QTest::newRow("cut in the last bitmap") << whole.chopped(1) << last;
    QTest::newRow("damaged pixels") << with(whole.size() - 4, quint32(0)) << last;
    QTest::newRow("a size its pixels do not fill") << with(8, quint32(176)) << QSize(176, 125);
    QTest::newRow("a size beyond any image") // width and height
        << with(8, quint64(0x7fffffff7fffffff)) << QSize(0x7fffffff, 0x7fffffff);
    QTest::newRow("a format it is not drawn in") << with(16, quint32(QImage::Format_RGB16)) << first;
  }
  void aDamagedBitmapSetGivesNoBitmap() {
    QFETCH(QByteArray, set);
    QFETCH(QSize, size);
    QVERIFY(bitmapAt(set, size).isNull());
  }

  void multiplierOptionsRecalculate() {
    frmBJT w;
    WindowInspector c(w);
    std::vector<Shown> shown;
    w.setMessageHandler([&](const QString &p, MsgBoxStyle s, const QString &) { shown.push_back({p, s}); });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(c.optSatura[2], Qt::LeftButton); // empty inputs: asks as the button does
    QCOMPARE(shown.size(), std::size_t(1));
    QVERIFY(c.panel.caption(12).contains(QStringLiteral("x 5")));
    c.txtBJT[2]->setText(QStringLiteral("12"));
    c.txtBJT[3]->setText(QStringLiteral("100"));
    QTest::mouseClick(c.optSatura[0], Qt::LeftButton);
    QCOMPARE(c.panel.caption(9), u"corrente di base: 120 \u00B5A"_s);
    QTest::mouseClick(c.optSatura[2], Qt::LeftButton);
    QCOMPARE(c.panel.caption(9), u"corrente di base: 600 \u00B5A"_s);
    QCOMPARE(c.panel.boxText(2), QStringLiteral("12"));
  }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
