#pragma once

#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/multipliers.h"
#include "ui/windowPanel.h"

#include <QIcon>
#include <QVersionNumber>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class InputBox;
class PictureBox;
class QPushButton;
class QRadioButton;
class UnitComboBox;
struct WindowInspector;

// The program's one window. It builds its controls from the control table
// and delivers their events to the handlers below; the calculation reads
// and writes the controls through a WindowPanel.
class frmBJT : public QWidget {
  Q_OBJECT
public:
  // The version's minor and revision numbers go into the caption.
  explicit frmBJT(const QVersionNumber &version = programVersion(), QWidget *parent = nullptr);
  ~frmBJT() override;

  static QVersionNumber programVersion();
  // The icon at every size a window manager asks for.
  static QIcon programIcon();

  // Event handlers.
  void Form_Load();
  void cmdCalcola_Click();
  void cboScala_Click();
  void optBjt_Click(int16_t index);
  void optSatura_Click(int16_t index);
  void txtBJT_KeyPress(int16_t index, int16_t &keyAscii);

  void setMessageHandler(WindowPanel::MessageHandler handler);

private:
  // Tests read the calculation's state and the panel through it
  // (tests/windowInspector.h).
  friend struct WindowInspector;

  void buildControls();
  void connectEvents();

  // The controls the handlers use, by their names; arrays by index. The
  // others are reached by name (their objectName).
  std::array<InputBox *, box::Count> txtBJT{};
  std::array<QRadioButton *, 2> optBjt{};
  std::array<QRadioButton *, multiplierCount> optSatura{};
  UnitComboBox *cboScala = nullptr;
  QPushButton *cmdCalcola = nullptr;
  PictureBox *picNPN = nullptr;
  PictureBox *picPNP = nullptr;

  QVersionNumber m_version;
  std::unique_ptr<WindowPanel> m_panel;
  std::unique_ptr<Calculator> m_calculator;
};
