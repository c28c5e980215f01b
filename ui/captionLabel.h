#pragma once

#include <QLabel>

// A label of fixed size whose caption may hold CR LF pairs: the caption reads
// back exactly as it was set, while the label shows a line break for each
// pair, wraps long lines at word boundaries and cuts what does not fit.
class CaptionLabel : public QLabel {
  Q_OBJECT
public:
  explicit CaptionLabel(QWidget *parent = nullptr);

  QString caption() const { return m_caption; }
  void setCaption(const QString &caption);

protected:
  // A label whose text can be selected offers Copy and Select All, as the
  // input boxes do; QLabel's own menu serves links only.
  void contextMenuEvent(QContextMenuEvent *event) override;

private:
  QString m_caption;
};
