#pragma once

#include "ui/fonts.h"

#include <QColor>

#include <optional>
#include <span>

class QWidget;

// The window's static definition: every control with its container, place
// and size in twips, texts, fonts, colours and other properties, in the
// order the controls are created (a later one lies above an earlier one).
enum class Kind {
  Frame,
  Label,
  Rectangle,
  TextBox,
  ComboBox,
  OptionButton,
  CommandButton,
  PictureBox,
  Image
};
enum class Border { None, Etched, Sunken };
// The width of a sunken border, which the drawing area of a picture lies within.
inline constexpr int SunkenBorderPixels = 2;

struct ControlSpec {
  const char *name;
  int index = -1; // the element of a control array, -1 for a single control
  Kind kind;
  const char *container; // "frmBJT" for the window itself
  int left, top, width, height;
  const char *text = "";
  FontSpec font = {};
  Qt::Alignment alignment = Qt::AlignLeft;
  Border border = Border::None;
  int maxLength = 0;
  const char *toolTip = "";
  std::optional<QColor> foreground = {};
  std::optional<QColor> background = {};
  bool hidden = false;
  bool chosen = false;          // option buttons
  bool sizeToText = false;      // the label's width follows its text
  const char *picture = "";     // bitmap set of a picture box or image (ui/bitmapSet.h)
  const char *labelledBy = "";  // the caption whose text names the control
  const char *describedBy = ""; // the label whose text describes it (a unit)
  const char *accessibleName = "";
  bool selectable = false; // a result the user can select and copy
};

std::span<const ControlSpec> controlTable();

// The names of the controls in tab order.
std::span<const char *const> tabOrder();

// The font the window hands down to the controls it makes, before each takes
// its own: the table's most common one. A control is then never laid out
// first in the desktop's default font, which nothing in the window shows
// (an input box lays out its text as it is made), and start-up loads one
// font less.
inline constexpr FontSpec ContainerFont = {Face::MsSansSerif, 9.75, true};

// The window's client area, in twips.
inline constexpr int ClientWidthTwips = 9255;
inline constexpr int ClientHeightTwips = 7110;
