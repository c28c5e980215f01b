#pragma once

#include <QClipboard>
#include <QLabel>
#include <QTextLayout>

// Every label of the window, captions and results alike: a label of fixed
// size whose caption may hold CR LF pairs. The caption reads back exactly as
// it was set, while the label shows a line break for each pair, wraps long
// lines at word boundaries and cuts what does not fit. The label lays out
// and draws its lines itself, so it decides which of them fit: a line whose
// letters do not fit above the label's bottom is not drawn at all, and no
// fragment of it shows at any scale. QLabel keeps the text, the frame, the
// size hint and what screen readers read.
class LineBreakLabel : public QLabel {
  Q_OBJECT
public:
  explicit LineBreakLabel(QWidget *parent = nullptr);

  QString caption() const { return m_caption; }
  void setCaption(const QString &caption);

  // A result the user can select with the mouse and copy (Ctrl+C, or Copy in
  // its context menu). It takes the focus on a click, for the copy key, but
  // stays out of the Tab order.
  void setSelectable();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;

private:
  // Lays out the lines whose letters fit the label, and no more, from the
  // label's text, font, size, frame and alignment as they are now; returns
  // where they are drawn from, in the label's coordinates.
  QPointF layOutLines();
  // The position in the text nearest to a point of the label.
  int positionAt(const QPointF &point);
  void select(int anchor, int position);
  QString selection() const;
  void copySelection(QClipboard::Mode mode) const;

  QString m_caption;
  QTextLayout m_layout;
  bool m_selectable = false;
  int m_anchor = 0;   // where the selection started
  int m_position = 0; // where it ends; the two are equal when nothing is selected
};
