#include "ui/directImageStyle.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {
// Qt's own images (in Qt Widgets' resources) and the frame's geometry, as
// Fusion uses them.
const QString qtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");
constexpr int frameTopMargin = 3;
constexpr QMargins frameMargins(6, 6, 6, 6);
constexpr int okIconSizes[] = {16, 32, 128};

QPixmap readPng(const QString &name) {
  QImageReader reader(qtImages + name, "png");
  reader.setAutoDetectImageFormat(false); // the built-in PNG reader, no plug-ins
  return QPixmap::fromImage(reader.read());
}

const QPixmap &frameBitmap() {
  static const QPixmap bitmap = readPng(QStringLiteral("fusion_groupbox.png"));
  return bitmap;
}
} // namespace

DirectImageStyle::DirectImageStyle(QStyle *base)
    : QProxyStyle(base),
      m_fusion(baseStyle()->name().compare(u"fusion", Qt::CaseInsensitive) == 0) {}

void DirectImageStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
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

QIcon DirectImageStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                     const QWidget *widget) const {
  // Where the desktop's icon theme has its own, that one is shown, as before.
  const bool themed = QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty() &&
                      QIcon::hasThemeIcon(QStringLiteral("dialog-ok"));
  if (standardIcon != SP_DialogOkButton || !m_fusion || themed)
    return QProxyStyle::standardIcon(standardIcon, option, widget);
  QIcon icon;
  for (const int size : okIconSizes)
    icon.addPixmap(readPng(QStringLiteral("standardbutton-ok-%1.png").arg(size)));
  return icon;
}
