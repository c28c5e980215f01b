#pragma once

#include <QRect>

#include <cmath>

// Window geometry is defined in twips; Qt works in logical pixels, which its
// high-DPI scaling maps to the screen. At 96 dots per inch a pixel is 15 twips.
inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }

inline QRect twipsToPixels(int left, int top, int width, int height) {
  return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
