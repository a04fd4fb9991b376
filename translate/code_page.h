// Conversions between local text (CP936/GBK bytes), UTF-16 and UTF-8.
// They behave like the system conversions with flags 0: nothing ever
// fails or throws; what cannot be represented becomes a replacement.
#pragma once

#include <string>
#include <string_view>

namespace kestara {

// Local text to UTF-16. An invalid pair or a lone lead byte becomes '?'.
std::u16string LocalToWide(std::string_view local);

// UTF-16 to local text. A character GBK lacks becomes '?', the code
// page's default character; a lone surrogate becomes '?' as well.
std::string WideToLocal(std::u16string_view wide);

// UTF-8 to UTF-16. Invalid or truncated sequences become U+FFFD.
std::u16string Utf8ToWide(std::string_view utf8);

// UTF-16 to UTF-8. A lone surrogate becomes U+FFFD.
std::string WideToUtf8(std::u16string_view wide);

// Shortcuts through UTF-16.
std::string LocalToUtf8Text(std::string_view local);
std::string Utf8TextToLocal(std::string_view utf8);

// The program's own texts are written as UTF-8 literals in the source;
// this turns one into local text.
inline std::string Local(std::string_view utf8) { return Utf8TextToLocal(utf8); }

}  // namespace kestara
