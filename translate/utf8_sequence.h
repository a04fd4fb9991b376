// Reading one UTF-8 sequence, shared by the code-page layer and the fast
// page decoder so that both replace bad input in exactly the same way.
#pragma once

#include <cstddef>

namespace kestara {

struct Utf8Step {
  char32_t codePoint;  // U+FFFD for an invalid or truncated sequence
  size_t length;       // bytes taken: a bad sequence takes its maximal invalid prefix
};

// The sequence that starts with the byte at i (0x80 or above) of n bytes.
inline Utf8Step ReadUtf8Sequence(const unsigned char* bytes, size_t i, size_t n) {
  const unsigned char b = bytes[i];
  size_t len = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    len = 2; cp = b & 0x1F; min = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3; cp = b & 0x0F; min = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4; cp = b & 0x07; min = 0x10000;
  }
  if (len == 0) return {0xFFFD, 1};
  size_t k = 1;
  for (; k < len && i + k < n; ++k) {
    const unsigned char c = bytes[i + k];
    if ((c & 0xC0) != 0x80) break;
    cp = (cp << 6) | (c & 0x3F);
  }
  if (k < len || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0xFFFD, k};
  return {cp, len};
}

}  // namespace kestara
