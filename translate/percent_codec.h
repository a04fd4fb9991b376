// The two text codecs of the translation exchange: local text to a
// URL-encoded form value (UTF-8 escapes), and the service's page (UTF-8
// with percent escapes) back to local text. Byte buffers are std::string
// and may hold zero bytes.
#pragma once

#include <string>
#include <string_view>

namespace kestara {

// The 35 bytes a form value escapes: ASCII punctuation, TAB, LF and CR.
bool IsFormEscaped(char c);

// Escapes the bytes of the escape set as "%XX" (upper-case hex), turns every
// double-byte character into the escapes of its UTF-8 bytes (its second byte
// is never looked at on its own) and passes everything else, the space
// included, unchanged. The result is ASCII and holds no zero byte.
std::string PercentEncodeFormValue(std::string_view local);

// UTF-8 bytes of exactly the characters of `local`, no terminator.
std::string LocalCharToUtf8(std::string_view local);

// The UTF-16 code units of `local`, little-endian, and one zero unit.
std::string LocalToUtf16(std::string_view local);

// Decodes every "%XX" escape of the page (either case of hex digits;
// decoded bytes are not scanned again, "%00" is dropped), then reads the
// bytes as UTF-8 and converts them to local text. A "%" that is not
// followed by two hex digits is kept as an ordinary character. The page is
// text: it ends at its first zero byte.
std::string PercentDecode(std::string_view page);

// UTF-8 to local text; invalid sequences and characters the code page
// lacks become '?'. Stops at a zero byte.
std::string Utf8ToLocal(std::string_view utf8);

// UTF-16 code units (little-endian byte pairs) to local text; stops at the
// first zero unit. A trailing odd byte is ignored.
std::string Utf16ToLocal(std::string_view utf16le);

}  // namespace kestara
