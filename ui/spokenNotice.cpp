#include "ui/spokenNotice.h"

#include "ui/accessibleRole.h"

SpokenNotice::SpokenNotice(QWidget *parent) : QWidget(parent) {
  exposeInRole<SpokenNotice, QAccessible::Notification>();
  setGeometry(0, 0, 0, 0);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

// Screen readers say a notification when it starts showing.
void SpokenNotice::say(const QString &text) {
  hide();
  setAccessibleName(text);
  show();
}
