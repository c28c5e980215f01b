#pragma once

#include <QGroupBox>

// A frame without border or title that holds a group of controls: it draws
// nothing of its own, as a plain frame without border does, and is a named
// group to screen readers, as the window's other frames are (Qt exposes a
// plain frame as a top-level window, which screen readers skip as inactive).
class BorderlessFrame : public QGroupBox {
  Q_OBJECT
public:
  explicit BorderlessFrame(QWidget *parent = nullptr);

protected:
  void paintEvent(QPaintEvent *event) override;
};
