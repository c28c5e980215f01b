#include "ui/captionLabel.h"

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
}

void CaptionLabel::setCaption(const QString &caption) {
  m_caption = caption;
  QString shown = caption;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setText(shown);
}
