#include "translate/conversion_tables.h"

#include <memory>
#include <string>
#include <string_view>

#include "translate/code_page.h"
#include "translate/percent_codec.h"

namespace kestara {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendEscape(EncodedChar& entry, unsigned char byte) {
  entry.text[entry.size++] = '%';
  entry.text[entry.size++] = kHexDigits[byte >> 4];
  entry.text[entry.size++] = kHexDigits[byte & 0x0F];
}

// Escapes of the UTF-8 bytes of one local character. A zero byte is never
// written (only a pair whose second byte is zero could yield one).
EncodedChar EncodeChar(std::string_view local) {
  EncodedChar entry{};
  for (char c : LocalCharToUtf8(local)) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u != 0) AppendEscape(entry, u);
  }
  return entry;
}

}  // namespace

const FormEncodeTables& FormEncoding() {
  static const std::unique_ptr<FormEncodeTables> tables = [] {
    auto t = std::make_unique<FormEncodeTables>();
    for (int lead = 0x80; lead < 0x100; ++lead) {
      for (int trail = 0; trail < 0x100; ++trail) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        t->pairs[(lead - 0x80) * 256 + trail] = EncodeChar(std::string_view(pair, 2));
      }
    }
    for (int b = 0; b < 0x100; ++b) {
      EncodedChar& entry = t->singles[b];
      entry = EncodedChar{};
      const char c = static_cast<char>(b);
      if (b >= 0x80) {
        entry = EncodeChar(std::string_view(&c, 1));
      } else if (IsFormEscaped(c)) {
        AppendEscape(entry, static_cast<unsigned char>(b));
      } else if (b != 0) {
        entry.text[entry.size++] = c;
      }
    }
    return t;
  }();
  return *tables;
}

const LocalChar* WideToLocalTable() {
  static const std::unique_ptr<LocalChar[]> table = [] {
    auto t = std::make_unique<LocalChar[]>(0x10000);
    for (unsigned u = 1; u < 0x10000; ++u) {
      const char16_t unit = static_cast<char16_t>(u);
      const std::string local = WideToLocal(std::u16string_view(&unit, 1));
      LocalChar& entry = t[u];
      if (local.empty() || local.size() > 2) {
        entry.bytes[0] = '?';
        entry.size = 1;
      } else {
        entry.bytes[0] = local[0];
        entry.bytes[1] = local.size() > 1 ? local[1] : '\0';
        entry.size = static_cast<std::uint8_t>(local.size());
      }
    }
    return t;
  }();
  return table.get();
}

}  // namespace kestara
