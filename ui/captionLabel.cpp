#include "ui/captionLabel.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

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

void CaptionLabel::setSelectable() { m_selectable = true; }

// QLabel then takes the focus on a click (for Ctrl+C), never with Tab.
bool CaptionLabel::makeTextSelectable() {
  if (!m_selectable || (textInteractionFlags() & Qt::TextSelectableByMouse))
    return false;
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  return true;
}

void CaptionLabel::mousePressEvent(QMouseEvent *event) {
  // The first click focuses the label as every later one will; the press
  // then starts the selection.
  if (makeTextSelectable())
    setFocus(Qt::MouseFocusReason);
  QLabel::mousePressEvent(event);
}

void CaptionLabel::contextMenuEvent(QContextMenuEvent *event) {
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
