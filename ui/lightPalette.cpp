#include "ui/lightPalette.h"

#include <QApplication>
#include <QEvent>
#include <QStyleHints>

#include <array>

QPalette lightPalette() {
  struct Colours {
    QPalette::ColorRole role;
    QRgb enabled;
    QRgb disabled;
  };
  // clang-format off
  static constexpr std::array colours = {
    Colours{QPalette::WindowText, 0xff000000, 0xffbebebe},
    Colours{QPalette::Button, 0xffefefef, 0xffefefef},
    Colours{QPalette::Light, 0xffffffff, 0xffffffff},
    Colours{QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    Colours{QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    Colours{QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    Colours{QPalette::Text, 0xff000000, 0xffbebebe},
    Colours{QPalette::BrightText, 0xffffffff, 0xffffffff},
    Colours{QPalette::ButtonText, 0xff000000, 0xffbebebe},
    Colours{QPalette::Base, 0xffffffff, 0xffefefef},
    Colours{QPalette::Window, 0xffefefef, 0xffefefef},
    Colours{QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    Colours{QPalette::Highlight, 0xff308cc6, 0xff919191},
    Colours{QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    Colours{QPalette::Link, 0xff0000ff, 0xff0000ff},
    Colours{QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    Colours{QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    Colours{QPalette::NoRole, 0xff000000, 0xff000000},
    Colours{QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    Colours{QPalette::ToolTipText, 0xff000000, 0xff000000},
    Colours{QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    Colours{QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
  };
  // clang-format on
  QPalette palette;
  for (const Colours &c : colours) {
    const QColor enabled = QColor::fromRgba(c.enabled);
    palette.setColor(QPalette::Active, c.role, enabled);
    palette.setColor(QPalette::Inactive, c.role, enabled);
    palette.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
  }
  return palette;
}

bool isDark(const QPalette &palette) {
  return palette.color(QPalette::Window).lightness() <
         palette.color(QPalette::WindowText).lightness();
}

namespace {
void lightenIfDark() {
  if (isDark(QApplication::palette()))
    QApplication::setPalette(lightPalette());
}

// The application hears of every change of its palette, the desktop's own
// included.
class PaletteKeeper : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
      lightenIfDark();
    return false;
  }
};
} // namespace

void keepLightPalette() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  // A desktop theme that can draw light when asked (GNOME's, through its
  // settings portal) then gives its own light colours.
  QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
  lightenIfDark();
  qApp->installEventFilter(new PaletteKeeper(qApp));
}
