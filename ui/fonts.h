#pragma once

#include <QFont>

// The window's type faces, and Default for a control that has no font of its
// own and takes its container's. Each face maps to the nearest one that Debian
// ships (installed with the program): Liberation Sans for the two sans serif
// faces, whose metrics match Arial, and Quicksand for the rounded one.
enum class Face { Default, MsSansSerif, Arial, ArialRoundedMtBold };

struct FontSpec {
  Face face = Face::Default;
  double points = 0;
  bool bold = false;
  bool underline = false;
};

// Sizes are given in points at 96 dots per inch and applied in pixels, so the
// text keeps its place in the fixed layout whatever the screen's DPI; Qt's
// scaling then keeps it sharp.
QFont fontFor(const FontSpec &wanted);
