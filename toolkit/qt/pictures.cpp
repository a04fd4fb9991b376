#include "toolkit/qt/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace kestara {
namespace {

// An image reader over a byte buffer, which it keeps alive while reading.
class BytesImageReader {
 public:
  explicit BytesImageReader(const Bytes& bytes)
      : data_(bytes.data(), static_cast<qsizetype>(bytes.size())), buffer_(&data_) {
    buffer_.open(QIODevice::ReadOnly);
    reader_.setDevice(&buffer_);
    reader_.setDecideFormatFromContent(true);
  }
  QImageReader& reader() { return reader_; }

 private:
  QByteArray data_;
  QBuffer buffer_;
  QImageReader reader_;
};

}  // namespace

QPixmap PictureFromBytes(const Bytes& bytes) {
  QPixmap picture;
  if (bytes.empty()) return picture;
  BytesImageReader source(bytes);
  const QImage image = source.reader().read();
  if (!image.isNull()) picture = QPixmap::fromImage(image);
  return picture;
}

QIcon IconFromBytes(const Bytes& bytes) {
  QIcon icon;
  if (bytes.empty()) return icon;
  BytesImageReader source(bytes);
  QImageReader& reader = source.reader();
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
