#include "ui/pictureBox.h"

#include "ui/bitmapSet.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

// To screen readers a picture box is an image, not the plain frame it is to
// Qt (see ui/borderlessFrame.h).
class PictureBoxInterface : public QAccessibleWidget, public QAccessibleImageInterface {
public:
  explicit PictureBoxInterface(PictureBox *box) : QAccessibleWidget(box, QAccessible::Graphic) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (picture()->isCovered())
      state.invisible = true;
    return state;
  }

  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ImageInterface)
      return static_cast<QAccessibleImageInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString imageDescription() const override { return text(QAccessible::Name); }
  QSize imageSize() const override { return picture()->contentsRect().size(); }
  QPoint imagePosition() const override {
    return picture()->mapToGlobal(picture()->contentsRect().topLeft());
  }

private:
  PictureBox *picture() const { return static_cast<PictureBox *>(widget()); }
};

QAccessibleInterface *pictureBoxInterface(const QString &className, QObject *object) {
  if (className == QLatin1String(PictureBox::staticMetaObject.className()))
    return new PictureBoxInterface(static_cast<PictureBox *>(object));
  return nullptr;
}

} // namespace

// The box fills its whole area (the background, then the border and the
// drawing), so Qt need not paint what lies beneath it: the circuit hidden
// behind the other one is rendered only when it is brought to the front.
PictureBox::PictureBox(const QString &resource, QWidget *parent)
    : QFrame(parent), m_resource(resource) {
  setAutoFillBackground(true);
  QAccessible::installFactory(pictureBoxInterface);
}

bool PictureBox::isCovered() const {
  const QWidget *container = parentWidget();
  if (!container)
    return false;
  const QObjectList &stacked = container->children(); // the last one in front
  for (qsizetype i = stacked.indexOf(this) + 1; i < stacked.size(); ++i) {
    const auto *above = qobject_cast<const PictureBox *>(stacked[i]);
    if (above && !above->isHidden() && above->geometry().contains(geometry()))
      return true;
  }
  return false;
}

// Brought to the front, the box shows again and the one it covers no longer
// does: screen readers are told of both.
bool PictureBox::event(QEvent *event) {
  const bool handled = QFrame::event(event);
  if (event->type() == QEvent::ZOrderChange && parentWidget()) {
    for (QObject *sibling : parentWidget()->children()) {
      auto *picture = qobject_cast<PictureBox *>(sibling);
      if (!picture || !picture->geometry().intersects(geometry()))
        continue;
      QAccessible::State changed;
      changed.invisible = true;
      QAccessibleStateChangeEvent notice(picture, changed);
      QAccessible::updateAccessibility(&notice);
    }
  }
  return handled;
}

void PictureBox::paintEvent(QPaintEvent *event) {
  QFrame::paintEvent(event); // the border
  const QRect area = contentsRect();
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = bitmapSet::pixelSize(area.size(), ratio);
  if (m_rendered.size() != pixels || m_rendered.devicePixelRatio() != ratio) {
    QImage bitmap = bitmapAt(QResource(m_resource).uncompressedData(), pixels);
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
