#include "ui/groupBoxFrameStyle.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
// Fusion's own frame bitmap (in Qt Widgets' resources) and its geometry.
const QString fusionFrame = QStringLiteral(":/qt-project.org/styles/commonstyle/images/"
                                           "fusion_groupbox.png");
constexpr int frameTopMargin = 3;
constexpr QMargins frameMargins(6, 6, 6, 6);

const QPixmap &frameBitmap() {
  static const QPixmap bitmap = [] {
    QImageReader reader(fusionFrame, "png");
    reader.setAutoDetectImageFormat(false); // the built-in PNG reader, no plug-ins
    return QPixmap::fromImage(reader.read());
  }();
  return bitmap;
}
} // namespace

GroupBoxFrameStyle::GroupBoxFrameStyle(QStyle *base)
    : QProxyStyle(base),
      m_fusion(baseStyle()->name().compare(u"fusion", Qt::CaseInsensitive) == 0) {}

void GroupBoxFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const {
  if (element != PE_FrameGroupBox || !m_fusion || frameBitmap().isNull()) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // As Fusion places it: below the title, or near the top without one.
  int top = frameTopMargin;
  const auto *box = qobject_cast<const QGroupBox *>(widget);
  if (!box || box->isCheckable() || !box->title().isEmpty())
    top += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
  qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), frameMargins, frameBitmap());
}
