#include "ui/spokenNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
QAccessibleInterface *noticeInterface(const QString &className, QObject *object) {
  if (className == QLatin1String(SpokenNotice::staticMetaObject.className()))
    return new QAccessibleWidget(static_cast<SpokenNotice *>(object), QAccessible::Notification);
  return nullptr;
}
} // namespace

SpokenNotice::SpokenNotice(QWidget *parent) : QWidget(parent) {
  QAccessible::installFactory(noticeInterface);
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
