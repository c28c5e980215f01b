#pragma once

#include <QPushButton>

// A push button that a focused user presses with Enter or the keypad's Enter
// as well as with Space. Each press is one click; a held key does not repeat
// it.
class CommandButton : public QPushButton {
  Q_OBJECT
public:
  explicit CommandButton(const QString &text, QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;
};
