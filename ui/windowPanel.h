#pragma once

#include "calc/controls.h"
#include "calc/multipliers.h"
#include "calc/panel.h"

#include <array>
#include <functional>

class LineBreakLabel;
class InputBox;
class PictureBox;
class QRadioButton;
class QWidget;
class SpokenNotice;
class UnitComboBox;

// The calculation's view of the window: its input boxes, labels, unit
// selector and multipliers, and the message boxes it asks for, over the
// window's own controls.
class WindowPanel : public Panel {
public:
  // The window's controls that the calculation reads and writes.
  struct Controls {
    std::array<InputBox *, box::Count> txtBJT{};
    std::array<LineBreakLabel *, label::Count> lblBJT{};
    UnitComboBox *cboScala = nullptr;
    std::array<QRadioButton *, multiplierCount> optSatura{};
    // Its description is what to fit, as the base resistor's tooltip says.
    PictureBox *picResistenza = nullptr;
  };

  // Where message boxes go: by default a modal QMessageBox over the window;
  // tests record them instead.
  using MessageHandler =
      std::function<void(const QString &prompt, MsgBoxStyle style, const QString &title)>;

  WindowPanel(QWidget &window, const Controls &controls);

  void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }

  QString boxText(int16_t index) const override;
  void setBoxText(int16_t index, const QString &text) override;
  void focusBox(int16_t index) override;
  QString caption(int16_t index) const override;
  void setCaption(int16_t index, const QString &text) override;
  void setToolTip(int16_t index, const QString &text) override;
  int16_t selectedUnit() const override;
  void selectUnit(int16_t index) override;
  bool multiplierChosen(int16_t index) const override;
  QString multiplierCaption(int16_t index) const override;
  void showMessage(const QString &prompt, MsgBoxStyle style, const QString &title) override;
  void announce(const QString &text) override;

private:
  QWidget &m_window;
  Controls m_controls;
  MessageHandler m_messageHandler;
  // Says announcements where Qt has no announcement event of its own.
  SpokenNotice *m_notice;
};
