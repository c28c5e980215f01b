#pragma once

#include <QProxyStyle>

// The application's style with one change: the Fusion style's group-box
// frame is drawn from its bitmap read as PNG directly. Fusion itself loads
// that bitmap by file name, and Qt then starts every image-format plug-in
// (JPEG, GIF, ICO, SVG with Qt SVG) just to ask whether one reads PNG,
// during the window's first paint. The frame looks exactly the same.
class GroupBoxFrameStyle : public QProxyStyle {
public:
  // Over the given style (taken over), or the application's default.
  explicit GroupBoxFrameStyle(QStyle *base = nullptr);

  void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
  bool m_fusion;
};
