// The embedded media, read from the Qt resources once and kept.
#include "toolkit/media.h"

#include <QFile>
#include <QString>
#include <map>

namespace kestara {

const Bytes& Media(const std::string& name) {
  static const Bytes none;
  // Only plain file names: a path could reach resources outside /media.
  if (name.empty() || name.find_first_of("/\\:") != std::string::npos || name == "." ||
      name == "..") {
    return none;
  }
  static std::map<std::string, Bytes> cache;
  if (auto found = cache.find(name); found != cache.end()) return found->second;
  QFile file(QStringLiteral(":/media/") + QString::fromUtf8(name.data(), qsizetype(name.size())));
  if (!file.open(QIODevice::ReadOnly)) return none;
  const QByteArray bytes = file.readAll();
  return cache.emplace(name, Bytes(bytes.constData(), std::size_t(bytes.size()))).first->second;
}

}  // namespace kestara
