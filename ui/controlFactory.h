#pragma once

#include "ui/controlTable.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <span>

// A control's name as its objectName: "txtBJT(2)" for an array element
// (index >= 0), "cboScala" for a single control.
QString controlName(const char *name, int index = -1);
inline QString controlName(const ControlSpec &row) { return controlName(row.name, row.index); }

using ControlsByName = QHash<QString, QWidget *>;

// Creates the controls of a table inside the window (rows whose container is
// the window's objectName) or inside the control an earlier row created, then
// gives every caption its buddy, once all controls exist. Returns every
// control by its name, the window included.
ControlsByName createControls(std::span<const ControlSpec> rows, QWidget *window);

// The control of that name among those createControls made, as the widget
// type its user expects; a name the table lacks or a control of another
// type ends the program, as a wrong table would.
template <class Widget>
Widget *controlNamed(const ControlsByName &controls, const char *name, int index = -1) {
  const QString found = controlName(name, index);
  auto *control = qobject_cast<Widget *>(controls.value(found));
  if (!control)
    qFatal("control table: no %s named %s", Widget::staticMetaObject.className(),
           qPrintable(found));
  return control;
}

// Every element of a control array, by index.
template <class Widget, std::size_t N>
std::array<Widget *, N> controlArrayNamed(const ControlsByName &controls, const char *name) {
  std::array<Widget *, N> elements{};
  for (std::size_t i = 0; i < N; ++i)
    elements[i] = controlNamed<Widget>(controls, name, int(i));
  return elements;
}
