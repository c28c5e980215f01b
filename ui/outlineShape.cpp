#include "ui/outlineShape.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
QAccessibleInterface *outlineInterface(const QString &className, QObject *object) {
  if (className == QLatin1String(OutlineShape::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<OutlineShape *>(object), QAccessible::Graphic);
  return nullptr;
}
} // namespace

OutlineShape::OutlineShape(QWidget *parent) : QFrame(parent) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  QAccessible::installFactory(outlineInterface);
}
