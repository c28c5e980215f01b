#include "ui/frmBJT.h"

#include "calc/controls.h"
#include "calc/units.h"
#include "runtime/conversions.h"
#include "runtime/errors.h"
#include "runtime/resume.h"
#include "ui/accessibleRole.h"
#include "ui/bitmapSet.h"
#include "ui/controlFactory.h"
#include "ui/controlTable.h"
#include "ui/guard.h"
#include "ui/inputBox.h"
#include "ui/lineBreakLabel.h"
#include "ui/pictureBox.h"
#include "ui/twips.h"
#include "ui/unitComboBox.h"
#include "version.h"

#include <QApplication>
#include <QButtonGroup>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QScreen>

namespace {
const QString baseCaption = QStringLiteral("BJT Base Resistor Calculator");
} // namespace

frmBJT::frmBJT(const QVersionNumber &version, QWidget *parent)
    : QWidget(parent), m_version(version) {
  // A plain QWidget reaches screen readers as a filler even when it is a
  // window; Orca then reads the window's title as the name of the group
  // around the multipliers, which sit directly in the main frame.
  exposeInRole<frmBJT, QAccessible::Window>();
  setObjectName(QStringLiteral("frmBJT"));
  setWindowTitle(baseCaption);
  // The window shows the application's icon (app/appSetup.cpp), so that each
  // size of it is drawn once for the whole program; a window made without
  // that set-up, as in the tests, carries the icon itself.
  if (QApplication::windowIcon().isNull())
    setWindowIcon(programIcon());
  setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
  setFont(fontFor(ContainerFont));
  buildControls();
  connectEvents();
  txtBJT[box::CollectorVoltage]->setFocus();
  Form_Load();
}

frmBJT::~frmBJT() = default;

QIcon frmBJT::programIcon() {
  return iconFromBitmapSet(QResource(QStringLiteral(":/icons/icon")).uncompressedData());
}

QVersionNumber frmBJT::programVersion() {
  return {version::major, version::minor, version::build, version::revision};
}

void frmBJT::buildControls() {
  const ControlsByName byName = createControls(controlTable(), this);
  txtBJT = controlArrayNamed<InputBox, box::Count>(byName, "txtBJT");
  optBjt = controlArrayNamed<QRadioButton, 2>(byName, "optBjt");
  optSatura = controlArrayNamed<QRadioButton, multiplierCount>(byName, "optSatura");
  cboScala = controlNamed<UnitComboBox>(byName, "cboScala");
  cmdCalcola = controlNamed<QPushButton>(byName, "cmdCalcola");
  picNPN = controlNamed<PictureBox>(byName, "picNPN");
  picPNP = controlNamed<PictureBox>(byName, "picPNP");

  m_panel = std::make_unique<WindowPanel>(
      *this, WindowPanel::Controls{
                 .txtBJT = txtBJT,
                 .lblBJT = controlArrayNamed<LineBreakLabel, label::Count>(byName, "lblBJT"),
                 .cboScala = cboScala,
                 .optSatura = optSatura,
                 .picResistenza = controlNamed<PictureBox>(byName, "picResistenza")});
  m_calculator = std::make_unique<Calculator>(*m_panel);

  QWidget *previous = nullptr;
  for (const char *name : tabOrder()) {
    QWidget *next = byName.value(QString::fromUtf8(name));
    if (previous)
      QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

namespace {
// Tab enters an option group at its chosen option and leaves it at the
// next; the arrow keys move between the options.
void keepTabOnChosenOption(QButtonGroup *group) {
  for (QAbstractButton *option : group->buttons())
    option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Makes the options one exclusive group (each group its own, whatever
// their containers) and calls the handler with the index of the option
// that becomes chosen.
template <std::size_t N, class Handler>
void groupOptions(frmBJT *window, const std::array<QRadioButton *, N> &options, Handler handler) {
  auto *group = new QButtonGroup(window);
  for (std::size_t i = 0; i < N; ++i)
    group->addButton(options[i], int(i));
  keepTabOnChosenOption(group);
  QObject::connect(group, &QButtonGroup::idToggled, window,
                   [window, group, handler](int index, bool chosen) {
                     if (!chosen)
                       return;
                     keepTabOnChosenOption(group);
                     (window->*handler)(int16_t(index));
                   });
}
} // namespace

void frmBJT::connectEvents() {
  connect(cmdCalcola, &QPushButton::clicked, this, &frmBJT::cmdCalcola_Click);
  connect(cboScala, &UnitComboBox::listIndexChanged, this, &frmBJT::cboScala_Click);
  groupOptions(this, optBjt, &frmBJT::optBjt_Click);
  groupOptions(this, optSatura, &frmBJT::optSatura_Click);
  for (InputBox *box : txtBJT)
    box->keyPressHandler = [this](int16_t index, int16_t &keyAscii) {
      txtBJT_KeyPress(index, keyAscii);
    };
}

// Start-up, in skip-on-error mode: a statement that fails is skipped and the
// window opens in every case.
void frmBJT::Form_Load() {
  guarded("Form_Load", [&] {
    // Placed in twips, in single precision: centred across the screen, with a
    // third of the free height above the window.
    const QRect screenArea = screen()->geometry();
    const auto inTwips = [](int pixels) { return float(pixels) * TwipsPerPixel; };
    resumeNext([&] {
      const float left =
          singleQuotient(inTwips(screenArea.width()) - inTwips(frameGeometry().width()), 2);
      move(screenArea.x() + twipsToPixels(left), y());
    });
    resumeNext([&] {
      const float top =
          singleQuotient(inTwips(screenArea.height()) - inTwips(frameGeometry().height()), 3);
      move(x(), screenArea.y() + twipsToPixels(top));
    });

    for (const QString &entry : selectorEntries())
      cboScala->appendEntry(entry);
    resumeNext([&] { m_panel->selectUnit(StartUnit); });

    resumeNext([&] {
      const int16_t minor = toInteger(double(m_version.segmentAt(1)));
      const int16_t revision = toInteger(double(m_version.segmentAt(3)));
      setWindowTitle(baseCaption + u' ' + textOf(minor) + u'.' + textOf(revision));
    });
    resumeNext([&] { m_calculator->MostraFormule(); });
  });
}

void frmBJT::cmdCalcola_Click() {
  guarded("cmdCalcola_Click", [&] { m_calculator->calculate(); });
}

void frmBJT::cboScala_Click() {
  guarded("cboScala_Click", [&] { m_calculator->cboScala_Click(); });
}

// The type only decides which circuit is seen.
void frmBJT::optBjt_Click(int16_t index) {
  guarded("optBjt_Click", [&] {
    if (index == 0)
      picNPN->raise();
    if (index == 1)
      picPNP->raise();
    txtBJT[box::CollectorVoltage]->setFocus();
  });
}

void frmBJT::optSatura_Click(int16_t) { cmdCalcola_Click(); }

// The input boxes take digits and the decimal comma (a point becomes a
// comma); Enter calculates, after filling in the collector resistance when
// it was typed in the collector-current box.
void frmBJT::txtBJT_KeyPress(int16_t index, int16_t &keyAscii) {
  guarded("txtBJT_KeyPress", [&] {
    constexpr int16_t Backspace = 8, Enter = 13;
    if (index == box::CollectorCurrent && keyAscii == Enter)
      resumeNext([&] { m_calculator->fillInCollectorResistance(); });

    if (keyAscii >= '0' && keyAscii <= '9')
      return;
    if (keyAscii == '.')
      keyAscii = ',';
    else if (keyAscii == Backspace || keyAscii == ',')
      return;
    else if (keyAscii == Enter) {
      cmdCalcola_Click();
      keyAscii = 0;
    } else
      keyAscii = 0;
  });
}

void frmBJT::setMessageHandler(WindowPanel::MessageHandler handler) {
  m_panel->setMessageHandler(std::move(handler));
}
