#include "ui/windowPanel.h"

#include "calc/controls.h"
#include "runtime/errors.h"
#include "ui/inputBox.h"
#include "ui/lineBreakLabel.h"
#include "ui/pictureBox.h"
#include "ui/spokenNotice.h"
#include "ui/unitComboBox.h"

#include <QAccessible>
#include <QMessageBox>
#include <QRadioButton>

namespace {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// Qt says an announcement through an event of its own.
SpokenNotice *noticeFor(QWidget &) { return nullptr; }
void say(QWidget &window, SpokenNotice *, const QString &text) {
  QAccessibleAnnouncementEvent announcement(&window, text);
  QAccessible::updateAccessibility(&announcement);
}
#else
// A notice of the window's own says it.
SpokenNotice *noticeFor(QWidget &window) { return new SpokenNotice(&window); }
void say(QWidget &, SpokenNotice *notice, const QString &text) { notice->say(text); }
#endif
} // namespace

WindowPanel::WindowPanel(QWidget &window, const Controls &controls)
    : m_window(window), m_controls(controls), m_notice(noticeFor(window)) {}

QString WindowPanel::boxText(int16_t index) const {
  return element(m_controls.txtBJT, index)->text();
}

void WindowPanel::setBoxText(int16_t index, const QString &text) {
  element(m_controls.txtBJT, index)->setProgramText(text);
}

void WindowPanel::focusBox(int16_t index) {
  element(m_controls.txtBJT, index)->setFocus(Qt::OtherFocusReason);
}

QString WindowPanel::caption(int16_t index) const {
  return element(m_controls.lblBJT, index)->caption();
}

void WindowPanel::setCaption(int16_t index, const QString &text) {
  element(m_controls.lblBJT, index)->setCaption(text);
}

// The base resistor's tooltip, what to fit, is also the description of the
// resistor picture, a Tab stop beside it: a keyboard user hears it there,
// as the picture is reached and with the screen reader's Where Am I.
void WindowPanel::setToolTip(int16_t index, const QString &text) {
  element(m_controls.lblBJT, index)->setToolTip(text);
  if (index == label::BaseResistor)
    m_controls.picResistenza->setAccessibleDescription(text);
}

int16_t WindowPanel::selectedUnit() const { return m_controls.cboScala->listIndex(); }

void WindowPanel::selectUnit(int16_t index) { m_controls.cboScala->setListIndex(index); }

bool WindowPanel::multiplierChosen(int16_t index) const {
  return element(m_controls.optSatura, index)->isChecked();
}

QString WindowPanel::multiplierCaption(int16_t index) const {
  return element(m_controls.optSatura, index)->text();
}

void WindowPanel::showMessage(const QString &prompt, MsgBoxStyle style, const QString &title) {
  if (m_messageHandler) {
    m_messageHandler(prompt, style, title);
    return;
  }
  const auto icon =
      style == MsgBoxStyle::Critical ? QMessageBox::Critical : QMessageBox::Information;
  QMessageBox box(icon, title, prompt, QMessageBox::Ok, &m_window);
  // A screen reader announces a new alert by its title, then its text: the
  // labels in it that stand alone. Orca 51 leaves out a label that can take
  // the focus, which the box's label does where the style lets its text be
  // selected with the mouse; a text that cannot be selected is read by Orca
  // 43, 48 and 51 alike. (As the alert's description as well, Orca 43 would
  // say it twice.)
  box.setTextInteractionFlags(Qt::NoTextInteraction);
  box.exec();
}

void WindowPanel::announce(const QString &text) { say(m_window, m_notice, text); }
