#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

// Has screen readers meet every widget of the project's own class Widget in
// the given role, through Qt's own widget interface: for a widget that is
// not what its Qt base class stands for (an outline that is no frame, a
// notice that is no panel). Installing it again changes nothing.
template <class Widget, QAccessible::Role role> void exposeInRole() {
  QAccessible::installFactory(
      [](const QString &className, QObject *object) -> QAccessibleInterface * {
        if (className == QLatin1String(Widget::staticMetaObject.className()))
          return new QAccessibleWidget(static_cast<Widget *>(object), role);
        return nullptr;
      });
}
