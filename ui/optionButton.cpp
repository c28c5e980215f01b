#include "ui/optionButton.h"

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
  // move the focus on; so does this, and after Qt has focused the option
  // once more, the focus goes back where the handler left it. A screen
  // reader then hears the option before what the handler has it say.
  QList<QMetaObject::Connection> connections;
  for (QAbstractButton *option : options->buttons())
    connections << connect(option, &QAbstractButton::toggled, this, [option](bool chosen) {
      if (chosen)
        option->setFocus(Qt::TabFocusReason);
    });
  // The window's own focus, not the application's: a message box the
  // handler showed may have left another window active, or none yet.
  QWidget *const ownWindow = window();
  QPointer<QWidget> focusAfterHandler;
  bool clicked = false;
  connections << connect(options, &QButtonGroup::buttonClicked, this, [&](QAbstractButton *) {
    clicked = true;
    focusAfterHandler = ownWindow->focusWidget();
  });
  QRadioButton::keyPressEvent(event);
  for (const auto &connection : connections)
    disconnect(connection);

  if (clicked && focusAfterHandler && focusAfterHandler != ownWindow->focusWidget())
    focusAfterHandler->setFocus(Qt::OtherFocusReason);
}
