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

void CaptionLabel::contextMenuEvent(QContextMenuEvent *event) {
  if (!(textInteractionFlags() & Qt::TextSelectableByMouse)) {
    QLabel::contextMenuEvent(event);
    return;
  }
  // Qt's own texts, as Qt's text controls word them, so that the menu reads
  // like the boxes' menus in the translation the application loaded.
  const auto qtText = [](const char *text) {
    return QCoreApplication::translate("QWidgetTextControl", text);
  };
  auto *menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction *copy = menu->addAction(qtText("&Copy"), this,
                                  [this] { QApplication::clipboard()->setText(selectedText()); });
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(hasSelectedText());
  menu->addSeparator();
  QAction *selectAll =
      menu->addAction(qtText("Select All"), this, [this] { setSelection(0, int(text().size())); });
  selectAll->setShortcut(QKeySequence::SelectAll);
  selectAll->setEnabled(!text().isEmpty());
  event->accept();
  menu->popup(event->globalPos());
}
