#include "translate/percent_codec.h"

#include "translate/utf8_sequence.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "translate/code_page.h"
#include "translate/conversion_tables.h"

namespace kestara {
namespace {

constexpr std::string_view kEscapeSet = "`~!@#$%^&*()-_=+[{]};:'\\|,<.>/?\"\r\n\t";

// Value of every byte as a hex digit, -1 for a byte that is not one.
constexpr auto kHexValues = [] {
  std::array<signed char, 256> values{};
  for (int c = 0; c < 256; ++c) {
    values[c] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                         : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                : -1);
  }
  return values;
}();

int HexValue(char c) { return kHexValues[static_cast<unsigned char>(c)]; }

std::uint64_t Load8(const unsigned char* p) {
  std::uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// True when all eight bytes are ASCII and none is zero.
bool AllPlainAscii(std::uint64_t w) {
  constexpr std::uint64_t kHigh = 0x8080808080808080ull;
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  return ((w | ((w - kOnes) & ~w)) & kHigh) == 0;
}

}  // namespace

bool IsFormEscaped(char c) { return c != '\0' && kEscapeSet.find(c) != std::string_view::npos; }

std::string PercentEncodeFormValue(std::string_view local) {
  const size_t n = local.size();
  const auto* src = reinterpret_cast<const unsigned char*>(local.data());
  const FormEncodeTables& tables = FormEncoding();
  // Worst case 9 output bytes per input byte, plus room to copy one whole
  // entry past the end; left uninitialised, only the written part is kept.
  std::unique_ptr<char[]> buffer(new char[n * 9 + sizeof(EncodedChar::text)]);
  char* dst = buffer.get();
  auto put = [&dst](const EncodedChar& entry) {
    std::memcpy(dst, entry.text, sizeof entry.text);
    dst += entry.size;
  };
  size_t i = 0;
  while (i + 1 < n) {
    const unsigned char b = src[i];
    if (b >= 0x80) {
      put(tables.pairs[(b - 0x80) * 256 + src[i + 1]]);
      i += 2;
    } else {
      put(tables.singles[b]);
      i += 1;
    }
  }
  if (i < n) put(tables.singles[src[i]]);  // the last byte, a lead byte or not
  return std::string(buffer.get(), static_cast<size_t>(dst - buffer.get()));
}

std::string LocalCharToUtf8(std::string_view local) { return WideToUtf8(LocalToWide(local)); }

std::string LocalToUtf16(std::string_view local) {
  const std::u16string wide = LocalToWide(local);
  std::string out(wide.size() * 2 + 2, '\0');
  for (size_t k = 0; k < wide.size(); ++k) {
    out[2 * k] = static_cast<char>(wide[k] & 0xFF);
    out[2 * k + 1] = static_cast<char>(wide[k] >> 8);
  }
  return out;
}

namespace {

// Converts UTF-8 to local text in place (no sequence yields more local bytes
// than it has, and the output never overtakes the input) and returns the
// output length. Decodes like the code-page layer: an invalid sequence
// becomes one replacement for its lead byte and the continuation bytes it
// did get. Stops at a zero byte.
size_t Utf8ToLocalInPlace(char* data, size_t n) {
  const LocalChar* table = WideToLocalTable();
  auto* in = reinterpret_cast<unsigned char*>(data);
  size_t dst = 0;
  size_t i = 0;
  auto put = [&](char32_t cp, size_t len) {
    i += len;
    if (cp > 0xFFFF) {
      in[dst++] = '?';  // the code page has nothing beyond the BMP
      return;
    }
    const LocalChar& c = table[cp];
    in[dst] = static_cast<unsigned char>(c.bytes[0]);
    if (c.size == 2) in[dst + 1] = static_cast<unsigned char>(c.bytes[1]);
    dst += c.size;
  };
  while (i < n) {
    while (i + 8 <= n) {
      const std::uint64_t w = Load8(in + i);
      if (!AllPlainAscii(w)) break;
      std::memcpy(in + dst, &w, 8);
      dst += 8;
      i += 8;
    }
    if (i >= n) break;
    const unsigned char b = in[i];
    if (b < 0x80) {
      if (b == 0) break;
      in[dst++] = b;
      ++i;
      continue;
    }
    // The common case on a Chinese page: a complete three-byte sequence.
    if ((b & 0xF0) == 0xE0 && i + 2 < n && (in[i + 1] & 0xC0) == 0x80 && (in[i + 2] & 0xC0) == 0x80) {
      char32_t cp = (char32_t(b & 0x0F) << 12) | (char32_t(in[i + 1] & 0x3F) << 6) | (in[i + 2] & 0x3F);
      if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
      const LocalChar& c = table[cp];
      // Three bytes read, at most two written: both stores stay behind.
      in[dst] = static_cast<unsigned char>(c.bytes[0]);
      in[dst + 1] = static_cast<unsigned char>(c.bytes[1]);
      dst += c.size;
      i += 3;
      continue;
    }
    const Utf8Step step = ReadUtf8Sequence(in, i, n);
    put(step.codePoint, step.length);
  }
  return dst;
}

}  // namespace

std::string PercentDecode(std::string_view page) {
  if (const void* zero = std::memchr(page.data(), '\0', page.size())) {
    page = page.substr(0, static_cast<size_t>(static_cast<const char*>(zero) - page.data()));
  }
  std::string bytes;
  bytes.reserve(page.size());
  const char* src = page.data();
  const char* const end = src + page.size();
  while (src < end) {
    if (*src != '%') {
      const char* percent = static_cast<const char*>(std::memchr(src, '%', static_cast<size_t>(end - src)));
      const char* stop = percent ? percent : end;
      bytes.append(src, static_cast<size_t>(stop - src));
      src = stop;
      continue;
    }
    // Escapes often come in runs (one per UTF-8 byte): no search between them.
    const int high = end - src > 2 ? HexValue(src[1]) : -1;
    const int low = end - src > 2 ? HexValue(src[2]) : -1;
    if ((high | low) < 0) {
      bytes.push_back('%');  // not an escape: an ordinary character
      src += 1;
      continue;
    }
    const char value = static_cast<char>(high * 16 + low);
    if (value != '\0') bytes.push_back(value);
    src += 3;
  }
  bytes.resize(Utf8ToLocalInPlace(bytes.data(), bytes.size()));
  return bytes;
}

std::string Utf8ToLocal(std::string_view utf8) {
  std::string out(utf8);
  out.resize(Utf8ToLocalInPlace(out.data(), out.size()));
  return out;
}

std::string Utf16ToLocal(std::string_view utf16le) {
  const LocalChar* table = WideToLocalTable();
  const size_t units = utf16le.size() / 2;
  auto unitAt = [&](size_t k) {
    return static_cast<char16_t>(static_cast<unsigned char>(utf16le[2 * k]) |
                                 (static_cast<unsigned char>(utf16le[2 * k + 1]) << 8));
  };
  std::string out(units * 2 + 1, '\0');
  char* dst = out.data();
  for (size_t k = 0; k < units; ++k) {
    const char16_t u = unitAt(k);
    if (u == 0) break;
    if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units && unitAt(k + 1) >= 0xDC00 &&
        unitAt(k + 1) <= 0xDFFF) {
      *dst++ = '?';  // a pair beyond the BMP is one default character
      ++k;
      continue;
    }
    const LocalChar& c = table[u];
    dst[0] = c.bytes[0];
    dst[1] = c.bytes[1];
    dst += c.size;
  }
  out.resize(static_cast<size_t>(dst - out.data()));
  return out;
}

}  // namespace kestara
