#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

// Shows one of the window's vector pictures inside an optional sunken
// border. The drawing is rendered once at the size and pixel density it is
// shown at, so it stays sharp at any screen scale without redrawing the
// vector data on every paint.
class PictureBox : public QFrame {
  Q_OBJECT
public:
  PictureBox(const QString &resource, QWidget *parent = nullptr);

  QString resource() const { return m_resource; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  QString m_resource;
  QPixmap m_rendered;
};
