#pragma once

#include <QByteArrayView>
#include <QIcon>
#include <QImage>
#include <QSize>

#include <cstdint>

// A drawing from res/ rendered at build time (tools/prerender.cpp) at the
// pixel sizes the program shows it at. Each bitmap is stored as its raw
// pixels compressed with zlib, so the program shows it with neither Qt SVG
// nor an image decoder plug-in. The file, all numbers little-endian 32 bits:
//   "BJTB", count, then count times {width, height, QImage::Format,
//   compressed length}, then the compressed pixels (qCompress) in that order.
namespace bitmapSet {
inline constexpr char Magic[4] = {'B', 'J', 'T', 'B'};
inline constexpr int HeaderWords = 4; // per bitmap

// The scales the pictures are drawn for: exactly at these, a picture is
// shown pixel for pixel as its drawing renders; in between, the next larger
// is smoothly reduced.
inline constexpr double PictureScales[] = {1.0, 1.5, 2.0};
// The icon sizes a window manager asks for.
inline constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128};

// The pixel size a picture box whose drawing area is `area` logical pixels
// shows at `ratio` device pixels per logical pixel.
inline QSize pixelSize(QSize area, double ratio) { return (QSizeF(area) * ratio).toSize(); }
} // namespace bitmapSet

// Each function reads a set from its file's bytes, as a resource holds them
// (QResource::uncompressedData()); a set that is missing, cut or damaged
// gives no bitmap, and nothing is read beyond its end.

// The bitmap of `pixels` size: the one drawn at that size, or else the next
// larger (the largest if none is) smoothly scaled to it. A null image if the
// set or that bitmap is damaged.
QImage bitmapAt(QByteArrayView set, QSize pixels);

// The program's icon at every size in the set.
QIcon iconFromBitmapSet(QByteArrayView set);
