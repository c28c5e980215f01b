#include "ui/commandButton.h"

#include <QKeyEvent>

CommandButton::CommandButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {
  // Not a default button: that would draw it differently and let Enter in
  // other controls press it, while the input boxes answer Enter themselves.
  setAutoDefault(false);
  setDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent *event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QPushButton::keyPressEvent(event);
    return;
  }
  event->accept();
  if (!event->isAutoRepeat())
    click();
}
