// Local text at the Qt boundary: CP936 bytes to and from QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "translate/code_page.h"

namespace kestara {

inline QString ToQt(std::string_view local) {
  std::u16string wide = LocalToWide(local);
  return QString(reinterpret_cast<const QChar*>(wide.data()), static_cast<qsizetype>(wide.size()));
}

inline std::string FromQt(const QString& text) {
  return WideToLocal(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<size_t>(text.size())));
}

// A control name of the form definitions (UTF-8 in the source).
inline QString NameToQt(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace kestara
