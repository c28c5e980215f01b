#include "ui/outlineShape.h"

#include "ui/accessibleRole.h"

OutlineShape::OutlineShape(QWidget *parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  exposeInRole<OutlineShape, QAccessible::Graphic>();
}
