#pragma once

#include <QWidget>

// What a screen reader says as it appears, for a Qt that has no
// announcements of its own (before 6.8): an object of the notification role
// whose name is the text. It has no size, so it takes no place in the window
// nor in a screen reader's review of it, and never takes the focus.
class SpokenNotice : public QWidget {
  Q_OBJECT
public:
  explicit SpokenNotice(QWidget *parent);

  // Shows the notice anew with the text, which a screen reader then says.
  void say(const QString &text);
};
