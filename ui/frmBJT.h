#pragma once

#include "calc/calculator.h"
#include "calc/panel.h"

#include <QIcon>
#include <QVersionNumber>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class CaptionLabel;
class InputBox;
class OutlineShape;
class PictureBox;
class SpokenNotice;
class QGroupBox;
class QPushButton;
class QRadioButton;
class UnitComboBox;

// The program's one window. It builds its controls from the control table,
// delivers their events to the handlers below and is the Panel through which
// the calculation reads and writes it.
class frmBJT : public QWidget, public Panel {
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

  Calculator &calculation() { return m_calculator; }

  // Where message boxes go: by default a modal QMessageBox; tests record them.
  using MessageHandler =
      std::function<void(const QString &prompt, MsgBoxStyle style, const QString &title)>;
  void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }

  // The controls, by their names; arrays by index.
  QGroupBox *Frame1 = nullptr;
  QGroupBox *fraResDiBase = nullptr;
  QGroupBox *fraOPT = nullptr;
  OutlineShape *Shape2 = nullptr;
  OutlineShape *Shape3 = nullptr;
  CaptionLabel *Label1 = nullptr;
  CaptionLabel *Label2 = nullptr;
  std::array<CaptionLabel *, 14> lblBJT{};
  std::array<InputBox *, 5> txtBJT{};
  std::array<QRadioButton *, 2> optBjt{};
  std::array<QRadioButton *, 3> optSatura{};
  UnitComboBox *cboScala = nullptr;
  QPushButton *cmdCalcola = nullptr;
  PictureBox *picNPN = nullptr;
  PictureBox *picPNP = nullptr;
  PictureBox *picResistenza = nullptr;
  PictureBox *Image2 = nullptr;

  // Panel
  QString boxText(int16_t index) const override;
  void setBoxText(int16_t index, const QString &text) override;
  void focusBox(int16_t index) override;
  QString caption(int16_t index) const override;
  void setCaption(int16_t index, const QString &text) override;
  void setToolTip(int16_t index, const QString &text) override;
  int16_t selectedUnit() const override;
  void selectUnit(int16_t index) override;
  int16_t multiplierUpperBound() const override;
  bool multiplierChosen(int16_t index) const override;
  QString multiplierCaption(int16_t index) const override;
  void showMessage(const QString &prompt, MsgBoxStyle style, const QString &title) override;
  void announce(const QString &text) override;

private:
  void buildControls();
  void connectEvents();

  QVersionNumber m_version;
  Calculator m_calculator{*this};
  MessageHandler m_messageHandler;
  // Says announcements where Qt has no announcement event of its own.
  SpokenNotice *m_notice = nullptr;
};
