#include "ui/pictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

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
  const QSize pixels = (QSizeF(area.size()) * ratio).toSize();
  if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
    m_rendered = QPixmap(pixels);
    m_rendered.fill(Qt::white);
    QPainter painter(&m_rendered);
    QSvgRenderer(m_resource).render(&painter);
    painter.end();
    m_rendered.setDevicePixelRatio(ratio);
  }
  QPainter(this).drawPixmap(area.topLeft(), m_rendered);
}
