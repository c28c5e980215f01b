#pragma once

#include "runtime/msgbox.h"

#include <QString>

#include <cstdint>

// What the calculation sees of the window: the five input boxes, the labels,
// the unit selector, the multiplier options, the focus, message boxes and
// what a screen reader says.
// The window implements it; tests implement it in memory. Every operation
// may raise a run-time error (an index that names no control, a value the
// control refuses), which the calculation's skip-on-error mode then handles.
class Panel {
public:
  virtual ~Panel() = default;

  // txtBJT(index)
  virtual QString boxText(int16_t index) const = 0;
  virtual void setBoxText(int16_t index, const QString &text) = 0;
  virtual void focusBox(int16_t index) = 0;

  // lblBJT(index); a caption reads back exactly as it was set
  virtual QString caption(int16_t index) const = 0;
  virtual void setCaption(int16_t index, const QString &text) = 0;
  virtual void setToolTip(int16_t index, const QString &text) = 0;

  // cboScala: the selected entry (-1 when none). Selecting an entry runs the
  // selector's click handler, as a user's choice does; an index the selector
  // does not hold raises err::InvalidPropertyValue and changes nothing.
  virtual int16_t selectedUnit() const = 0;
  virtual void selectUnit(int16_t index) = 0;

  // optSatura(index), one per multiplier (calc/multipliers.h)
  virtual bool multiplierChosen(int16_t index) const = 0;
  virtual QString multiplierCaption(int16_t index) const = 0;

  // A modal box with an OK button; returns when it is closed.
  virtual void showMessage(const QString &prompt, MsgBoxStyle style, const QString &title) = 0;

  // Has a screen reader say the text at once, without moving the focus.
  virtual void announce(const QString &text) = 0;
};
