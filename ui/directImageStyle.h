#pragma once

#include <QProxyStyle>

// The application's style, reading the images Qt's Fusion style draws with
// (the group-box frame, the OK button's icon) with the built-in PNG reader.
// Fusion reads them by file name, and Qt then starts every image-format
// plug-in (JPEG, GIF, ICO, SVG with Qt SVG) just to ask whether one of them
// reads PNG: for the group-box frame during the window's first paint, for the
// icon when a message box first opens. What is drawn stays exactly the same.
class DirectImageStyle : public QProxyStyle {
public:
  // Over the given style (taken over), or the application's default.
  explicit DirectImageStyle(QStyle *base = nullptr);

  void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
  QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                     const QWidget *widget = nullptr) const override;

private:
  bool m_fusion;
};
