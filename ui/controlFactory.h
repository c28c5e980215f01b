#pragma once

#include "ui/controlTable.h"

#include <QHash>
#include <QString>

#include <span>

class QWidget;

// A control's name as its objectName: "txtBJT(2)" for an array element.
QString controlName(const ControlSpec &row);

// Creates the controls of a table inside the window (rows whose container is
// the window's objectName) or inside the control an earlier row created, then
// gives every caption its buddy, once all controls exist. Returns every
// control by its name, the window included.
QHash<QString, QWidget *> createControls(std::span<const ControlSpec> rows, QWidget *window);
