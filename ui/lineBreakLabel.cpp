#include "ui/lineBreakLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

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
  setText(shown);
  leaveOutLinesThatDoNotFit();
}

namespace {
// The rectangle QLabel lays its text out in: the contents less the margin,
// and less the indent, which a framed label without an indent of its own
// takes as half an "x".
QRect textArea(const QLabel &label, QRect area) {
  area.adjust(label.margin(), label.margin(), -label.margin(), -label.margin());
  int indent = label.indent();
  if (indent < 0 && label.frameWidth())
    indent = label.fontMetrics().horizontalAdvance(u'x') / 2 - label.margin();
  if (indent > 0) {
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    if (align & Qt::AlignLeft)
      area.setLeft(area.left() + indent);
    if (align & Qt::AlignRight)
      area.setRight(area.right() - indent);
    if (align & Qt::AlignTop)
      area.setTop(area.top() + indent);
    if (align & Qt::AlignBottom)
      area.setBottom(area.bottom() - indent);
  }
  return area;
}

// How much of the area's height the lines of text take whose letters fit in
// it, down to the top of the first line whose baseline falls below the
// area. Lines are placed as QPainter places wrapped text: each on a whole
// pixel, the font's leading below the one before.
int heightOfFittingLines(const QLabel &label, const QRect &area) {
  QString text = label.text();
  text.replace(u'\n', QChar::LineSeparator);
  QTextLayout layout(text, label.font());
  QTextOption option;
  option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
  layout.setTextOption(option);
  const qreal leading = QFontMetricsF(label.font()).leading();
  qreal top = -leading;
  int fitting = area.height();
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(label.wordWrap() ? area.width() : 0x01000000);
    top = std::ceil(top + leading);
    if (top + line.ascent() > area.height()) {
      fitting = std::min(int(top), fitting);
      break;
    }
    top += line.height();
  }
  layout.endLayout();
  return fitting;
}
} // namespace

// QLabel clips its text to its contents: a bottom margin that starts where
// the first line that does not fit starts leaves that line out whole. A
// partly shown line would show the tops of its letters as fragments below the
// line above, which at fractional scales reach into the label's last pixels.
// The margin comes on top of the frame's, which QFrame keeps as the contents
// margins too. Only text laid out from the top keeps its place when the
// contents shrink.
void LineBreakLabel::leaveOutLinesThatDoNotFit() {
  // Until its polish the label may still change its style, frame and font.
  if (!testAttribute(Qt::WA_WState_Polished))
    return;
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect inFrame = style()->subElementRect(QStyle::SE_ShapedFrameContents, &option, this);
  QMargins margins(inFrame.left(), inFrame.top(), rect().right() - inFrame.right(),
                   rect().bottom() - inFrame.bottom());
  if (alignment() & Qt::AlignTop) {
    const QRect area = textArea(*this, inFrame);
    margins.setBottom(margins.bottom() + area.height() - heightOfFittingLines(*this, area));
  }
  if (margins != contentsMargins())
    setContentsMargins(margins);
}

// Besides a new caption, whatever moves or wraps the lines: the polish, a
// new size, font or frame.
bool LineBreakLabel::event(QEvent *event) {
  const bool handled = QLabel::event(event);
  switch (event->type()) {
  case QEvent::Polish:
  case QEvent::Resize:
  case QEvent::FontChange:
  case QEvent::ContentsRectChange:
    leaveOutLinesThatDoNotFit();
    break;
  default:
    break;
  }
  return handled;
}

void LineBreakLabel::setSelectable() { m_selectable = true; }

// QLabel then takes the focus on a click (for Ctrl+C), never with Tab.
bool LineBreakLabel::makeTextSelectable() {
  if (!m_selectable || (textInteractionFlags() & Qt::TextSelectableByMouse))
    return false;
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  return true;
}

void LineBreakLabel::mousePressEvent(QMouseEvent *event) {
  // The first click focuses the label as every later one will; the press
  // then starts the selection.
  if (makeTextSelectable())
    setFocus(Qt::MouseFocusReason);
  QLabel::mousePressEvent(event);
}

void LineBreakLabel::contextMenuEvent(QContextMenuEvent *event) {
  if (!m_selectable) {
    QLabel::contextMenuEvent(event);
    return;
  }
  makeTextSelectable();
  // The window's own words for what Qt's Italian menus of the input boxes
  // offer (Qt 6.4's QLabel has a menu for links only).
  auto *menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction *copy = menu->addAction(QStringLiteral("&Copia"), this,
                                  [this] { QApplication::clipboard()->setText(selectedText()); });
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(hasSelectedText());
  menu->addSeparator();
  QAction *selectAll = menu->addAction(QStringLiteral("Seleziona tutto"), this,
                                       [this] { setSelection(0, int(text().size())); });
  selectAll->setShortcut(QKeySequence::SelectAll);
  selectAll->setEnabled(!text().isEmpty());
  event->accept();
  menu->popup(event->globalPos());
}
