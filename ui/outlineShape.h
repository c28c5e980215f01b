#pragma once

#include <QFrame>

// A rectangle outline drawn around a group of controls, beneath them and
// transparent to the mouse. To a screen reader it is decoration: an image
// without a name, which it passes over, not a frame of its own.
class OutlineShape : public QFrame {
  Q_OBJECT
public:
  explicit OutlineShape(QWidget *parent = nullptr);
};
