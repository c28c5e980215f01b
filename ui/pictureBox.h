#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

// Shows one of the window's pictures inside an optional sunken border. The
// picture comes from its bitmap set (ui/bitmapSet.h), drawn at build time at
// the size and pixel densities it is shown at, so it stays sharp when the
// screen is scaled; it is unpacked once for the density it is shown at.
// Screen readers meet it as an image named by its accessible name, not
// showing while another picture box lies over it.
class PictureBox : public QFrame {
  Q_OBJECT
public:
  PictureBox(const QString &resource, QWidget *parent = nullptr);

  // Whether a picture box above it in its container hides all of it.
  bool isCovered() const;

protected:
  bool event(QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  QString m_resource;
  QPixmap m_rendered;
};
