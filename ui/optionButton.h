#pragma once

#include <QRadioButton>

// An option button chosen with an arrow key as with a click: the focus ends
// where the option's handler puts it. Qt's arrow keys click the next option
// of the group and only then focus it, which would undo the focus the
// handler gave to another control.
class OptionButton : public QRadioButton {
  Q_OBJECT
public:
  explicit OptionButton(const QString &text, QWidget *parent = nullptr);

protected:
  void keyPressEvent(QKeyEvent *event) override;
};
