// Lookup tables that let the percent codec convert without a code-page call
// per character. They are built once, on first use, from the code-page
// layer, so they give exactly its results.
#pragma once

#include <cstdint>

namespace kestara {

// The form-value encoding of one local character: its percent escapes (or
// the byte itself), padded so that a whole entry can be copied at once.
struct EncodedChar {
  char text[23];
  std::uint8_t size;
};

struct FormEncodeTables {
  EncodedChar pairs[128 * 256];  // [(lead - 0x80) * 256 + trail], lead >= 0x80
  EncodedChar singles[256];      // an ASCII byte, or a lead byte alone at the end
};

const FormEncodeTables& FormEncoding();

// One UTF-16 code unit in local text: one or two bytes. Surrogates and
// characters the code page lacks give the default character '?'; the zero
// unit gives nothing.
struct LocalChar {
  char bytes[2];
  std::uint8_t size;
  std::uint8_t unused;
};

const LocalChar* WideToLocalTable();  // 65536 entries

}  // namespace kestara
