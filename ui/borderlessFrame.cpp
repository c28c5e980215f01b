#include "ui/borderlessFrame.h"

BorderlessFrame::BorderlessFrame(QWidget *parent) : QGroupBox(parent) {}

void BorderlessFrame::paintEvent(QPaintEvent *) {}
