#include "ui/lineBreakLabel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

LineBreakLabel::LineBreakLabel(QWidget *parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
}

void LineBreakLabel::setCaption(const QString &caption) {
  m_caption = caption;
  QString shown = caption;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  m_anchor = m_position = 0;
  setText(shown);
}

// The lines fill the label's contents less its indent, which QLabel
// documents: its own where set, otherwise half an "x" inside a frame and
// none without one, on each edge the text is aligned to. Each line starts on
// a whole pixel, so its letters stay sharp, right below the one before; a
// line is laid out only while its letters, down to their baseline, fit.
QPointF LineBreakLabel::layOutLines() {
  const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
  QRectF area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  int indent = this->indent();
  if (indent < 0)
    indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0;
  area.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
              align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);

  QString lines = text();
  lines.replace(u'\n', QChar::LineSeparator);
  const QFont font(this->font(), this);
  m_layout.setText(lines);
  m_layout.setFont(font);
  QTextOption option(align & Qt::AlignHorizontal_Mask);
  option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
  m_layout.setTextOption(option);
  const qreal ascent = QFontMetricsF(font, this).ascent();
  qreal top = 0;
  qreal bottom = 0;
  m_layout.beginLayout();
  while (top + ascent <= area.height()) {
    QTextLine line = m_layout.createLine();
    if (!line.isValid())
      break;
    line.setLeadingIncluded(true);
    line.setLineWidth(area.width());
    line.setPosition(QPointF(0, top));
    bottom = top + line.height();
    top = std::ceil(bottom);
  }
  m_layout.endLayout();

  // Below the text when it stands at the top, above it at the bottom, half
  // of each otherwise.
  qreal above = std::max(area.height() - bottom, 0.0);
  if (align & Qt::AlignTop)
    above = 0;
  else if (!(align & Qt::AlignBottom))
    above = std::round(above / 2);
  return area.topLeft() + QPointF(0, above);
}

void LineBreakLabel::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  drawFrame(&painter);
  const QPointF origin = layOutLines();
  QList<QTextLayout::FormatRange> selections;
  if (m_anchor != m_position) {
    QTextLayout::FormatRange selected;
    selected.start = std::min(m_anchor, m_position);
    selected.length = std::abs(m_position - m_anchor);
    selected.format.setBackground(palette().brush(QPalette::Highlight));
    selected.format.setForeground(palette().brush(QPalette::HighlightedText));
    selections << selected;
  }
  painter.setClipRect(contentsRect());
  painter.setPen(palette().color(foregroundRole()));
  m_layout.draw(&painter, origin, selections);
}

// A selectable label takes the focus with its first click, for the copy
// key; until then it is not focusable, as screen readers see it.
void LineBreakLabel::setSelectable() {
  m_selectable = true;
  setCursor(Qt::IBeamCursor);
}

int LineBreakLabel::positionAt(const QPointF &point) {
  const QPointF inText = point - layOutLines();
  const int count = m_layout.lineCount();
  for (int i = 0; i < count; ++i) {
    const QTextLine line = m_layout.lineAt(i);
    if (inText.y() < line.y() + line.height() || i == count - 1) {
      // Past the end of a line that a line break ends: before the break.
      const int position = line.xToCursor(inText.x());
      const bool broken = position > line.textStart() && text().at(position - 1) == u'\n';
      return position == line.textStart() + line.textLength() && broken ? position - 1 : position;
    }
  }
  return 0;
}

void LineBreakLabel::select(int anchor, int position) {
  m_anchor = anchor;
  m_position = position;
  update();
}

QString LineBreakLabel::selection() const {
  const int start = std::min(m_anchor, m_position);
  return text().mid(start, std::abs(m_position - m_anchor));
}

void LineBreakLabel::copySelection(QClipboard::Mode mode) const {
  if (m_anchor != m_position)
    QApplication::clipboard()->setText(selection(), mode);
}

void LineBreakLabel::mousePressEvent(QMouseEvent *event) {
  if (!m_selectable || event->button() != Qt::LeftButton) {
    QLabel::mousePressEvent(event);
    return;
  }
  if (focusPolicy() == Qt::NoFocus)
    setFocusPolicy(Qt::ClickFocus);
  setFocus(Qt::MouseFocusReason);
  const int position = positionAt(event->position());
  select(event->modifiers() & Qt::ShiftModifier ? m_anchor : position, position);
}

void LineBreakLabel::mouseMoveEvent(QMouseEvent *event) {
  if (!m_selectable || !(event->buttons() & Qt::LeftButton)) {
    QLabel::mouseMoveEvent(event);
    return;
  }
  select(m_anchor, positionAt(event->position()));
}

// What is selected with the mouse is offered to a middle click, as X11
// programs do where the system has such a selection.
void LineBreakLabel::mouseReleaseEvent(QMouseEvent *event) {
  if (!m_selectable || event->button() != Qt::LeftButton) {
    QLabel::mouseReleaseEvent(event);
    return;
  }
  if (QApplication::clipboard()->supportsSelection())
    copySelection(QClipboard::Selection);
}

// A double click selects the word under the pointer.
void LineBreakLabel::mouseDoubleClickEvent(QMouseEvent *event) {
  if (!m_selectable || event->button() != Qt::LeftButton) {
    QLabel::mouseDoubleClickEvent(event);
    return;
  }
  const int position = positionAt(event->position());
  QTextBoundaryFinder words(QTextBoundaryFinder::Word, text());
  words.setPosition(position);
  const bool atStart =
      words.isAtBoundary() && (words.boundaryReasons() & QTextBoundaryFinder::StartOfItem);
  const int start = atStart ? position : std::max<qsizetype>(words.toPreviousBoundary(), 0);
  words.setPosition(position);
  const qsizetype end = words.toNextBoundary();
  select(start, end < 0 ? int(text().size()) : int(end));
}

void LineBreakLabel::keyPressEvent(QKeyEvent *event) {
  if (m_selectable && event == QKeySequence::Copy) {
    copySelection(QClipboard::Clipboard);
  } else if (m_selectable && event == QKeySequence::SelectAll) {
    select(0, int(text().size()));
  } else {
    QLabel::keyPressEvent(event);
  }
}

// The selection goes when the focus moves on inside the program, and stays
// while the label's menu is open or another window has the focus.
void LineBreakLabel::focusOutEvent(QFocusEvent *event) {
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
    select(0, 0);
  QLabel::focusOutEvent(event);
}

void LineBreakLabel::contextMenuEvent(QContextMenuEvent *event) {
  if (!m_selectable) {
    QLabel::contextMenuEvent(event);
    return;
  }
  // The window's own words for what Qt's Italian menus of the input boxes
  // offer.
  auto *menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction *copy = menu->addAction(QStringLiteral("&Copia"), this,
                                  [this] { copySelection(QClipboard::Clipboard); });
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(m_anchor != m_position);
  menu->addSeparator();
  QAction *selectAll = menu->addAction(QStringLiteral("Seleziona tutto"), this,
                                       [this] { select(0, int(text().size())); });
  selectAll->setShortcut(QKeySequence::SelectAll);
  selectAll->setEnabled(!text().isEmpty());
  event->accept();
  menu->popup(event->globalPos());
}
