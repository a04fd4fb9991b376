// Routines over local text (CP936 bytes). A byte of 0x80 or above and the
// byte after it are one character: searches and replacements step over such
// a pair as a unit, so a match never starts on its second byte. Positions
// are 1-based and count bytes; a search that finds nothing gives -1.
#pragma once

#include <string>
#include <string_view>

namespace kestara {

// Byte length of the character that starts at `pos` (1 or 2; 1 for a lead
// byte standing alone at the end).
inline size_t CharLength(std::string_view text, size_t pos) {
  return (static_cast<unsigned char>(text[pos]) >= 0x80 && pos + 1 < text.size()) ? 2 : 1;
}

// First and last occurrence of `what`; an empty `what` is never found.
int FindFirst(std::string_view text, std::string_view what);
int FindLast(std::string_view text, std::string_view what);

// FindFirst with the ASCII letters folded.
int FindFirstNoCase(std::string_view text, std::string_view what);

// Every occurrence of `what`, scanned from the first byte, replaced by
// `with`; replaced text is not scanned again. An empty `what` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

// Removes the leading and the trailing run of spaces and full-width spaces
// (0xA1 0xA1); tabs, CR and LF stay. A lead byte standing alone at the end
// is dropped first, so it cannot shield trailing spaces.
std::string TrimSpaces(std::string_view text);

// ASCII letters only; the bytes of a double-byte character stay as they are.
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

}  // namespace kestara
