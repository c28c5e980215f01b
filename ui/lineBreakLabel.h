#pragma once

#include <QLabel>

// Every label of the window, captions and results alike: a label of fixed
// size whose caption may hold CR LF pairs. The caption reads back exactly as
// it was set, while the label shows a line break for each pair, wraps long
// lines at word boundaries and cuts what does not fit. A line whose letters
// do not fit above the label's bottom is not drawn at all, so that no
// fragment of it shows at any scale.
class LineBreakLabel : public QLabel {
  Q_OBJECT
public:
  explicit LineBreakLabel(QWidget *parent = nullptr);

  QString caption() const { return m_caption; }
  void setCaption(const QString &caption);

  // A result the user can select with the mouse and copy. It takes the
  // focus on a click (for Ctrl+C) but stays out of the Tab order. The text
  // machinery that selection needs, and the focus policy, come with the first
  // press of a mouse button, not with the window: the first frame uses
  // neither, and a focusable label costs memory before it.
  void setSelectable();
  bool isSelectable() const { return m_selectable; }

protected:
  bool event(QEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  // A label whose text can be selected offers Copy and Select All, as the
  // input boxes do; QLabel's own menu serves links only.
  void contextMenuEvent(QContextMenuEvent *event) override;

private:
  // Whether the label became selectable just now.
  bool makeTextSelectable();
  // Ends the area QLabel draws its text in above the first line that does
  // not fit.
  void leaveOutLinesThatDoNotFit();

  QString m_caption;
  bool m_selectable = false;
};
