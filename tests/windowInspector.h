#pragma once

#include "ui/lineBreakLabel.h"
#include "ui/frmBJT.h"
#include "ui/inputBox.h"
#include "ui/outlineShape.h"
#include "ui/pictureBox.h"
#include "ui/unitComboBox.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <array>

// The window as the tests look into it: every control, found by the name it
// carries (its objectName, "txtBJT(2)" for an array element), and, through
// the window's friendship, the panel and the calculation behind it.
struct WindowInspector {
  explicit WindowInspector(frmBJT &window)
      : panel(*window.m_panel), calculation(*window.m_calculator), m_window(window) {}

  Panel &panel;
  Calculator &calculation;

  template <class Widget> Widget *control(const QString &name) const {
    auto *found = m_window.findChild<Widget *>(name);
    if (!found)
      qFatal("the window has no %s named %s", Widget::staticMetaObject.className(),
             qPrintable(name));
    return found;
  }
  template <class Widget, std::size_t N> std::array<Widget *, N> array(const char *name) const {
    std::array<Widget *, N> elements{};
    for (std::size_t i = 0; i < N; ++i)
      elements[i] = control<Widget>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
    return elements;
  }

private:
  frmBJT &m_window;

public:
  QGroupBox *const Frame1 = control<QGroupBox>("Frame1");
  QGroupBox *const fraResDiBase = control<QGroupBox>("fraResDiBase");
  QGroupBox *const fraOPT = control<QGroupBox>("fraOPT");
  OutlineShape *const Shape2 = control<OutlineShape>("Shape2");
  OutlineShape *const Shape3 = control<OutlineShape>("Shape3");
  LineBreakLabel *const Label1 = control<LineBreakLabel>("Label1");
  LineBreakLabel *const Label2 = control<LineBreakLabel>("Label2");
  const std::array<LineBreakLabel *, label::Count> lblBJT = array<LineBreakLabel, label::Count>("lblBJT");
  const std::array<InputBox *, box::Count> txtBJT = array<InputBox, box::Count>("txtBJT");
  const std::array<QRadioButton *, 2> optBjt = array<QRadioButton, 2>("optBjt");
  const std::array<QRadioButton *, multiplierCount> optSatura =
      array<QRadioButton, multiplierCount>("optSatura");
  UnitComboBox *const cboScala = control<UnitComboBox>("cboScala");
  QPushButton *const cmdCalcola = control<QPushButton>("cmdCalcola");
  PictureBox *const picNPN = control<PictureBox>("picNPN");
  PictureBox *const picPNP = control<PictureBox>("picPNP");
  PictureBox *const picResistenza = control<PictureBox>("picResistenza");
  PictureBox *const Image2 = control<PictureBox>("Image2");
};
