#include "toolkit/qt/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace kestara {
namespace {

QByteArray ToByteArray(const Bytes& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QPixmap PictureFromBytes(const Bytes& bytes) {
  QPixmap picture;
  if (bytes.empty()) return picture;
  QByteArray data = ToByteArray(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  if (!image.isNull()) picture = QPixmap::fromImage(image);
  return picture;
}

QIcon IconFromBytes(const Bytes& bytes) {
  QIcon icon;
  if (bytes.empty()) return icon;
  QByteArray data = ToByteArray(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  const int count = reader.imageCount();
  for (int i = 0; i < std::max(count, 1); ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (image.isNull()) break;
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace kestara
