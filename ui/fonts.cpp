#include "ui/fonts.h"

#include <QStringList>

#include <cmath>

namespace {
QStringList familiesFor(Face face) {
  switch (face) {
  case Face::ArialRoundedMtBold:
    return {QStringLiteral("Quicksand"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Arial")};
  case Face::MsSansSerif:
  case Face::Arial:
  case Face::Default:
    break;
  }
  return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")};
}
} // namespace

QFont fontFor(const FontSpec &wanted) {
  QFont font;
  font.setFamilies(familiesFor(wanted.face));
  font.setPixelSize(int(std::lround(wanted.points * 96.0 / 72.0)));
  // The rounded face is bold by design, even where the weight says regular.
  font.setWeight(wanted.bold || wanted.face == Face::ArialRoundedMtBold ? QFont::Bold
                                                                        : QFont::Normal);
  font.setUnderline(wanted.underline);
  // Every character the window shows is in these faces: no fallback fonts
  // are looked up or loaded for them.
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}
