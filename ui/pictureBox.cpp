#include "ui/pictureBox.h"

#include "ui/bitmapSet.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

// The box fills its whole area (the background, then the border and the
// drawing), so Qt need not paint what lies beneath it: the circuit hidden
// behind the other one is rendered only when it is brought to the front.
PictureBox::PictureBox(const QString &resource, QWidget *parent)
    : QFrame(parent), m_resource(resource) {
  setAutoFillBackground(true);
}

void PictureBox::paintEvent(QPaintEvent *event) {
  QFrame::paintEvent(event); // the border
  const QRect area = contentsRect();
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = bitmapSet::pixelSize(area.size(), ratio);
  if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
    QImage bitmap = bitmapAt(m_resource, pixels);
    if (bitmap.isNull()) { // a missing drawing leaves a white area
      bitmap = QImage(pixels, QImage::Format_RGB32);
      bitmap.fill(Qt::white);
    }
    m_rendered = QPixmap::fromImage(std::move(bitmap));
    m_rendered.setDevicePixelRatio(ratio);
  }
  QPainter painter(this);
  painter.drawPixmap(area.topLeft(), m_rendered);
  if (hasFocus()) { // reached with Tab: show where the keyboard is
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = area.adjusted(1, 1, -1, -1);
    focus.backgroundColor = Qt::white;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

void PictureBox::focusInEvent(QFocusEvent *event) {
  QFrame::focusInEvent(event);
  update();
}

void PictureBox::focusOutEvent(QFocusEvent *event) {
  QFrame::focusOutEvent(event);
  update();
}
