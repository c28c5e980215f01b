// One start-up of the program, for bench_startup to time: the application is
// set up as the program does, then one top-level widget is shown and the
// process ends as soon as its first frame has been painted and flushed.
//   window  the real window, with its start-up
//   bare    an empty QWidget of the same size: the toolkit's floor
//   label   the same with one line of text in a QLabel: the floor of any
//           window that shows text (font configuration, one font)
// Prints nothing; exits 0 on success, 2 on a bad argument, 3 when no frame
// came within 20 seconds.
//
//   bench_startup_probe window|bare|label
#include "app/appSetup.h"
#include "ui/controlTable.h"
#include "ui/frmBJT.h"
#include "ui/twips.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

// Ends the process right after the first paint of the widget it watches. The
// paint event of the top-level widget comes first in a repaint, before its
// children's and before the frame is flushed to the screen; a queued call runs
// only once all of that is done.
class FirstFrame : public QObject {
public:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint && !m_painted) {
      m_painted = true;
      QMetaObject::invokeMethod(
          this, [] { ::_exit(0); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

private:
  bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[]) {
  const auto mode = [&](const char *name) { return argc == 2 && std::strcmp(argv[1], name) == 0; };
  const bool window = mode("window"), bare = mode("bare"), label = mode("label");
  if (!window && !bare && !label)
    return 2;

  QApplication app(argc, argv);
  setUpApplication();
  QTimer::singleShot(20000, [] { ::_exit(3); });

  FirstFrame firstFrame;
  std::unique_ptr<QWidget> shown;
  if (window) {
    shown = std::make_unique<frmBJT>();
  } else {
    shown = std::make_unique<QWidget>();
    shown->setFixedSize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    if (label)
      (new QLabel(QStringLiteral("Calcolo della resistenza di base"), shown.get()))->move(20, 20);
  }
  shown->installEventFilter(&firstFrame);
  shown->show();
  return app.exec();
}
