// Each include breaks a layer rule that cmake/checkIncludes.cmake enforces.
#include "ui/frmBJT.h"
#include "../ui/inputBox.h"
#include <QtWidgets/QWidget>
#include "runtime/format.h"
