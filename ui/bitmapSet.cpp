#include "ui/bitmapSet.h"

#include <QByteArray>
#include <QPixmap>
#include <QtEndian>

#include <cstring>

namespace {

struct Entry {
  QSize size;
  QImage::Format format = QImage::Format_Invalid;
  QByteArrayView compressed; // within the set's file
};

// A set's entries, checked against the file's length so that a damaged set
// gives no bitmap rather than a read past its end. They view the file.
QList<Entry> readSet(QByteArrayView file) {
  const auto word = [&](qsizetype at) { return qFromLittleEndian<quint32>(file.data() + at); };
  if (file.size() < 8 || std::memcmp(file.data(), bitmapSet::Magic, 4) != 0)
    return {};
  const quint32 count = word(4);
  qsizetype offset = 8 + qsizetype(count) * bitmapSet::HeaderWords * 4;
  if (count > 64 || offset > file.size())
    return {};
  QList<Entry> entries;
  for (quint32 i = 0; i < count; ++i) {
    const qsizetype at = 8 + qsizetype(i) * bitmapSet::HeaderWords * 4;
    const quint32 length = word(at + 12);
    if (length > quint32(file.size() - offset))
      return {};
    entries.append({QSize(int(word(at)), int(word(at + 4))), QImage::Format(word(at + 8)),
                    file.sliced(offset, length)});
    offset += length;
  }
  return entries;
}

void freeBuffer(void *buffer) { delete static_cast<QByteArray *>(buffer); }

QImage decode(const Entry &entry) {
  const auto format = entry.format;
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
    return {};
  auto *pixels = new QByteArray(qUncompress(
      reinterpret_cast<const uchar *>(entry.compressed.data()), entry.compressed.size()));
  // The pixels fill the size exactly; compared by division, as the size of a
  // damaged set may be too large to multiply out.
  const qsizetype lineBytes = qsizetype(entry.size.width()) * 4;
  if (entry.size.isEmpty() || pixels->size() % lineBytes != 0 ||
      pixels->size() / lineBytes != entry.size.height()) {
    delete pixels;
    return {};
  }
  // The image uses the decompressed buffer as it is and frees it with itself.
  return QImage(reinterpret_cast<const uchar *>(pixels->constData()), entry.size.width(),
                entry.size.height(), lineBytes, format, freeBuffer, pixels);
}

} // namespace

QImage bitmapAt(QByteArrayView set, QSize pixels) {
  const QList<Entry> entries = readSet(set);
  const Entry *best = nullptr;
  for (const Entry &entry : entries) {
    if (entry.size == pixels)
      return decode(entry);
    const bool larger =
        entry.size.width() >= pixels.width() && entry.size.height() >= pixels.height();
    const bool bestLarger =
        best && best->size.width() >= pixels.width() && best->size.height() >= pixels.height();
    if (!best || (larger && (!bestLarger || entry.size.width() < best->size.width())) ||
        (!larger && !bestLarger && entry.size.width() > best->size.width()))
      best = &entry;
  }
  if (!best)
    return {};
  return decode(*best).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QIcon iconFromBitmapSet(QByteArrayView set) {
  QIcon icon;
  for (const Entry &entry : readSet(set)) {
    QImage image = decode(entry);
    if (!image.isNull())
      icon.addPixmap(QPixmap::fromImage(std::move(image)));
  }
  return icon;
}
