#include "ui/optionButton.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPointer>

OptionButton::OptionButton(const QString &text, QWidget *parent) : QRadioButton(text, parent) {}

void OptionButton::keyPressEvent(QKeyEvent *event) {
  const int key = event->key();
  QButtonGroup *options = group();
  if (!options ||
      (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)) {
    QRadioButton::keyPressEvent(event);
    return;
  }

  // A click focuses the option first and then runs the handler, which may
  // move the focus on. Here the handler runs while this option still has the
  // focus: where the handler moved it is where it must end.
  QPointer<QWidget> focusBefore = QApplication::focusWidget();
  QPointer<QWidget> focusAfterHandler;
  bool chosen = false;
  const auto connection =
      connect(options, &QButtonGroup::buttonClicked, this, [&](QAbstractButton *) {
        chosen = true;
        focusAfterHandler = QApplication::focusWidget();
      });
  QRadioButton::keyPressEvent(event);
  disconnect(connection);

  if (chosen && focusAfterHandler && focusAfterHandler != focusBefore &&
      focusAfterHandler != QApplication::focusWidget())
    focusAfterHandler->setFocus(Qt::OtherFocusReason);
}
