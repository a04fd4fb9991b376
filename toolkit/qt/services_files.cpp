// Whole-file reading and writing and the file-existence test. Names are
// local text, turned into the file system's encoding through QString.
#include <sys/stat.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "toolkit/qt/qt_text.h"
#include "toolkit/toolkit.h"

namespace kestara {
namespace {

QString PathFor(const std::string& name) { return ToQt(name); }

bool WriteAll(QFileDevice& file, const Bytes& bytes) {
  return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// Replaces the file through a temporary file and a rename, so that a
// failed write leaves the old content as it was.
bool ReplaceSafely(const QString& path, const Bytes& bytes, bool* couldNotStart) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *couldNotStart = true;
    return false;
  }
  if (!WriteAll(file, bytes)) {
    file.cancelWriting();  // the temporary file goes, the old file stays
    return false;
  }
  return file.commit();
}

// For a directory that takes no new file while the file itself may be
// written: the old content is gone once this starts.
bool WriteInPlace(const QString& path, const Bytes& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return false;
  }
  const bool written = WriteAll(file, bytes) && file.flush();
  file.close();
  return written && file.error() == QFileDevice::NoError;
}

}  // namespace

bool FileExists(const std::string& name) {
  if (name.empty()) {
    return false;
  }
  // Any directory entry counts, also a directory or a dangling link.
  const QByteArray encoded = QFile::encodeName(PathFor(name));
  struct stat entry {};
  return ::lstat(encoded.constData(), &entry) == 0;
}

std::string ReadTextFile(const std::string& name) {
  if (name.empty()) {
    return {};
  }
  const QString path = PathFor(name);
  // Only regular files: a pipe or a device could block or never end.
  if (!QFileInfo(path).isFile()) {
    return {};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  const QByteArray content = file.readAll();
  std::string text(content.constData(), static_cast<std::size_t>(content.size()));
  const std::size_t end = text.find_first_of(std::string_view("\0\x1A", 2));
  if (end != std::string::npos) {
    text.resize(end);
  }
  return text;
}

bool WriteBytesFile(const std::string& name, const Bytes& bytes) {
  if (name.empty()) {
    return false;
  }
  const QString path = PathFor(name);
  const QFileInfo info(path);
  // Never replace a directory, a device or a pipe with a plain file.
  if (info.exists() && !info.isFile()) {
    return false;
  }
  bool couldNotStart = false;
  if (ReplaceSafely(path, bytes, &couldNotStart)) {
    return true;
  }
  if (!couldNotStart || !info.exists()) {
    return false;
  }
  return WriteInPlace(path, bytes);
}

}  // namespace kestara
