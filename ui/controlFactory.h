#pragma once

#include "ui/controlTable.h"

#include <QString>

class QWidget;

// A control's name as its objectName: "txtBJT(2)" for an array element.
QString controlName(const ControlSpec &row);

// Creates the Qt widget of a control table row inside its container, with
// its geometry, texts, font, colours and other properties.
QWidget *createControl(const ControlSpec &row, QWidget *container);
