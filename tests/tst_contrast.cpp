#include "app/appSetup.h"
#include "ui/lineBreakLabel.h"
#include "windowInspector.h"
#include "ui/frmBJT.h"
#include "ui/inputBox.h"
#include "ui/lightPalette.h"
#include "ui/unitComboBox.h"

#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>

// The window as the program sets it up, on the desktop that the test's
// environment names (BJT_DESKTOP: "light" for a desktop without colours of
// its own, or one whose palette is dark), calculated so that every result
// shows. Each text control must keep a contrast against its background of
// at least 4.5:1, or its contrast on the light desktop where that is lower:
// the fixed colours were chosen for the light window.
class ContrastTest : public QObject {
  Q_OBJECT

  // WCAG 2's relative luminance and contrast ratio.
  static double luminance(QColor colour) {
    const auto linear = [](double c) {
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
  }
  static double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
  }

  struct TextControl {
    QString name;
    QWidget *widget;
    QRect textArea;          // in the widget
    QPalette::ColorRole role; // the colour its text is drawn in
  };

  static QList<TextControl> textControls(frmBJT &w) {
    WindowInspector c(w);
    QList<TextControl> controls;
    const auto add = [&](QWidget *widget, QPalette::ColorRole role, int inset = 0) {
      controls.append({widget->objectName(), widget,
                       widget->rect().adjusted(inset, inset, -inset, -inset), role});
    };
    add(c.Label1, QPalette::WindowText);
    add(c.Label2, QPalette::WindowText);
    for (LineBreakLabel *label : c.lblBJT)
      if (!label->isHidden())
        add(label, label->foregroundRole(), label->frameWidth());
    for (InputBox *box : c.txtBJT)
      add(box, QPalette::Text, 3);
    controls.append({c.cboScala->objectName(), c.cboScala,
                     QRect(3, 3, c.cboScala->width() / 2, c.cboScala->height() - 6),
                     QPalette::Text});
    for (QRadioButton *option : c.optSatura)
      add(option, QPalette::WindowText);
    for (QRadioButton *option : c.optBjt)
      add(option, QPalette::WindowText);
    add(c.cmdCalcola, QPalette::ButtonText, 4);
    QStyleOptionGroupBox title;
    title.initFrom(c.fraResDiBase);
    title.text = c.fraResDiBase->title();
    title.subControls = QStyle::SC_GroupBoxLabel;
    controls.append({c.fraResDiBase->objectName(), c.fraResDiBase,
                     c.fraResDiBase->style()->subControlRect(QStyle::CC_GroupBox, &title,
                                                             QStyle::SC_GroupBoxLabel,
                                                             c.fraResDiBase),
                     QPalette::WindowText});
    return controls;
  }

  // The colour most of the area is painted in.
  static QColor background(const QImage &image, const QRect &area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        ++counts[image.pixel(x, y)];
    QRgb most = 0;
    int highest = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
      if (it.value() > highest)
        std::tie(most, highest) = std::pair(it.key(), it.value());
    return QColor::fromRgb(most);
  }

  // How far apart two colours are: the sum of their channels' differences.
  static int distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
  }

  // Whether the colour is drawn in the area, as the solid core of a letter.
  static bool isDrawn(const QImage &image, const QRect &area, QColor colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (distance(QColor::fromRgb(image.pixel(x, y)), colour) <= 24)
          return true;
    return false;
  }

  // Whether some pixel of the area lies at least halfway from the ground to
  // the colour: text drawn in it, in whatever font. A desktop's default font
  // may be thin enough (Quicksand, where it is the only sans-serif) that no
  // pixel of a letter reaches the colour itself.
  static bool isInked(const QImage &image, const QRect &area, QColor colour, QColor ground) {
    const int full = distance(colour, ground);
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor pixel = QColor::fromRgb(image.pixel(x, y));
        if (full > 0 && distance(pixel, ground) * 2 >= full && distance(pixel, colour) < full)
          return true;
      }
    return false;
  }

  // Each text control's contrast, by name.
  static QHash<QString, double> contrasts(frmBJT &w, QStringList *notDrawn = nullptr) {
    WindowInspector c(w);
    const QImage image = w.grab().toImage();
    QHash<QString, double> result;
    for (const TextControl &control : textControls(w)) {
      const QRect area(control.widget->mapTo(&w, control.textArea.topLeft()),
                       control.textArea.size());
      const QColor text = control.widget->palette().color(control.role);
      result.insert(control.name, contrast(text, background(image, area)));
      if (notDrawn && !isDrawn(image, area, text))
        *notDrawn << control.name;
    }
    return result;
  }

  static void calculate(frmBJT &w) {
    WindowInspector c(w);
    w.setMessageHandler([](const QString &prompt, MsgBoxStyle, const QString &) {
      QFAIL(qPrintable(QStringLiteral("unexpected prompt: ") + prompt));
    });
    c.txtBJT[0]->setText(QStringLiteral("12"));
    c.txtBJT[1]->setText(QStringLiteral("1000"));
    w.cmdCalcola_Click();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
  }

  QString m_desktop;
  bool m_desktopWasDark = false;

private slots:
  void initTestCase() {
    m_desktop = qEnvironmentVariable("BJT_DESKTOP");
    QVERIFY2(!m_desktop.isEmpty(), "BJT_DESKTOP names the desktop under test");
    m_desktopWasDark = isDark(QApplication::palette());
    setUpApplication();
  }

  // The desktop under test is what it claims: a theme that failed to load
  // would leave Qt's light palette and prove nothing.
  void theDesktopIsAsNamed() {
    if (m_desktop == u"light") {
      QVERIFY(!m_desktopWasDark);
      // What the window looks like there is what the program keeps on a dark
      // desktop.
      const QPalette desktops = QApplication::palette(), light = lightPalette();
      for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
          const auto g = QPalette::ColorGroup(group);
          const auto r = QPalette::ColorRole(role);
          QVERIFY2(desktops.color(g, r).rgba() == light.color(g, r).rgba(),
                   qPrintable(QStringLiteral("group %1, role %2: %3, not %4")
                                  .arg(group)
                                  .arg(role)
                                  .arg(desktops.color(g, r).name(QColor::HexArgb),
                                       light.color(g, r).name(QColor::HexArgb))));
        }
    } else {
      QVERIFY2(m_desktopWasDark, qPrintable(m_desktop + QStringLiteral(" did not give a dark palette")));
      QVERIFY(!isDark(QApplication::palette()));
    }
  }

  void everyTextKeepsItsContrast() {
    frmBJT shown;
    calculate(shown);
    QStringList notDrawn;
    const QHash<QString, double> measured = contrasts(shown, &notDrawn);
    QVERIFY2(notDrawn.isEmpty(), qPrintable(QStringLiteral("text colour not found: ") + notDrawn.join(u", ")));

    frmBJT lightDefault;
    lightDefault.setPalette(lightPalette());
    calculate(lightDefault);
    const QHash<QString, double> light = contrasts(lightDefault);

    QStringList report, failures;
    for (auto it = measured.cbegin(); it != measured.cend(); ++it) {
      const double bound = std::min(4.5, light.value(it.key()));
      report << QStringLiteral("%1 %2 (light %3)")
                    .arg(it.key())
                    .arg(it.value(), 0, 'f', 2)
                    .arg(light.value(it.key()), 0, 'f', 2);
      if (it.value() < bound - 0.005)
        failures << report.last();
    }
    report.sort();
    qInfo("%s: %s", qPrintable(m_desktop), qPrintable(report.join(u"; ")));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u"; ")));
  }

  // The message box the window shows and a context menu read as well as the
  // window (the gain box's menu, which has an item to choose).
  void messageBoxesAndMenusAreReadable() {
    frmBJT w;
    WindowInspector c(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QImage boxImage;
    QRect promptArea;
    QColor promptText;
    QTimer::singleShot(0, &w, [&] {
      auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
      if (!box)
        return;
      if (QTest::qWaitForWindowExposed(box))
        for (QLabel *label : box->findChildren<QLabel *>())
          if (label->text() == box->text()) { // the label that shows the box's text
            boxImage = box->grab().toImage();
            promptArea = QRect(label->mapTo(box, QPoint()), label->size());
            promptText = label->palette().color(label->foregroundRole());
          }
      box->accept();
    });
    QTest::mouseClick(c.cmdCalcola, Qt::LeftButton); // the empty boxes ask for a value
    QVERIFY(!boxImage.isNull());
    QVERIFY(isInked(boxImage, promptArea, promptText, background(boxImage, promptArea)));
    QVERIFY2(contrast(promptText, background(boxImage, promptArea)) >= 4.5,
             qPrintable(QString::number(contrast(promptText, background(boxImage, promptArea)))));

    std::unique_ptr<QMenu> menu(c.txtBJT[3]->createStandardContextMenu());
    menu->popup(w.mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    const QImage menuImage = menu->grab().toImage();
    const QColor menuText = menu->palette().color(QPalette::Active, QPalette::Text);
    const QColor menuGround = background(menuImage, menuImage.rect());
    QVERIFY(isInked(menuImage, menuImage.rect(), menuText, menuGround));
    QVERIFY2(contrast(menuText, menuGround) >= 4.5,
             qPrintable(QString::number(contrast(menuText, menuGround))));
    menu->close();
  }

  // The application's palette turning dark while the program runs, as when
  // the desktop switches to dark, turns light again at once.
  void aPaletteTurningDarkLaterTurnsLightAgain() {
    QPalette dark = lightPalette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
      dark.setColor(role, QColor(32, 35, 38));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      dark.setColor(role, QColor(252, 252, 252));
    QApplication::setPalette(dark);
    QVERIFY(!isDark(QApplication::palette()));
    QCOMPARE(QApplication::palette().color(QPalette::Window), lightPalette().color(QPalette::Window));
  }
};

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
