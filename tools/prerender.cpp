// Renders the window's drawings into the bitmap sets the program loads
// (ui/bitmapSet.h), at build time, so that the program itself needs neither
// Qt SVG nor an image decoder. Runs on the build machine only.
//
//   prerender picture SVG WIDTHxHEIGHT OUT   the drawing at its size in
//                                            logical pixels, at each picture scale
//   prerender icon SVG PNG OUT               the icon at each icon size; at the
//                                            PNG's own size, the PNG's pixels
#include "ui/bitmapSet.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

int fail(const QString &message) {
  std::fprintf(stderr, "prerender: %s\n", qPrintable(message));
  return 1;
}

// As the program draws it: the whole bitmap, on white for an opaque picture.
QImage render(QSvgRenderer &drawing, QSize pixels, QImage::Format format) {
  QImage image(pixels, format);
  image.fill(format == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
  QPainter painter(&image);
  drawing.render(&painter);
  return image;
}

bool write(const QString &path, const std::vector<QImage> &images) {
  QByteArray header(bitmapSet::Magic, 4), data;
  const auto append = [&](quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    header.append(bytes, 4);
  };
  append(quint32(images.size()));
  for (const QImage &image : images) {
    const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    const QByteArray compressed = qCompress(pixels, 9);
    append(quint32(image.width()));
    append(quint32(image.height()));
    append(quint32(image.format()));
    append(quint32(compressed.size()));
    data += compressed;
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(header + data) == header.size() + data.size();
}

} // namespace

int main(int argc, char *argv[]) {
  // Text in the drawings needs the font database; no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  std::vector<QImage> images;

  if (args.size() == 5 && args[1] == u"picture") {
    QSvgRenderer drawing(args[2]);
    if (!drawing.isValid())
      return fail(QStringLiteral("cannot read %1").arg(args[2]));
    const QStringList size = args[3].split(u'x');
    const QSize area(size.value(0).toInt(), size.size() == 2 ? size[1].toInt() : 0);
    if (area.isEmpty())
      return fail(QStringLiteral("not a size: %1").arg(args[3]));
    for (const double scale : bitmapSet::PictureScales)
      images.push_back(render(drawing, bitmapSet::pixelSize(area, scale), QImage::Format_RGB32));
  } else if (args.size() == 5 && args[1] == u"icon") {
    QSvgRenderer drawing(args[2]);
    if (!drawing.isValid())
      return fail(QStringLiteral("cannot read %1").arg(args[2]));
    QImageReader reader(args[3]);
    const QImage drawn = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (drawn.isNull())
      return fail(QStringLiteral("cannot read %1").arg(args[3]));
    for (const int size : bitmapSet::IconSizes)
      images.push_back(
          drawn.size() == QSize(size, size)
              ? drawn
              : render(drawing, QSize(size, size), QImage::Format_ARGB32_Premultiplied));
  } else {
    return fail(QStringLiteral("usage: prerender picture SVG WIDTHxHEIGHT OUT | icon SVG PNG OUT"));
  }
  if (!write(args[4], images))
    return fail(QStringLiteral("cannot write %1").arg(args[4]));
  return 0;
}
