#include "translate/code_page.h"

#include "translate/utf8_sequence.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <mutex>

namespace kestara {
namespace {

// One iconv descriptor per direction, opened once; conversions are
// serialised because a descriptor carries shift state.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts one complete unit (a character); false when iconv refuses it.
  bool ConvertUnit(const char* in, size_t inLen, std::string& out) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* src = const_cast<char*>(in);
    size_t srcLeft = inLen;
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
    if (r == static_cast<size_t>(-1) || srcLeft != 0) return false;
    out.append(buffer, static_cast<size_t>(dst - buffer));
    return true;
  }

 private:
  iconv_t cd_;
  std::mutex mutex_;
};

Converter& GbkToUcs() {
  static Converter c("UTF-16LE", "CP936");
  return c;
}
Converter& UcsToGbk() {
  static Converter c("CP936", "UTF-16LE");
  return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void AppendWide(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

std::u16string LocalToWide(std::string_view local) {
  std::u16string out;
  out.reserve(local.size());
  size_t i = 0;
  while (i < local.size()) {
    unsigned char b = static_cast<unsigned char>(local[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    size_t len = (i + 1 < local.size()) ? 2 : 1;
    std::string unit;
    if (GbkToUcs().ConvertUnit(local.data() + i, len, unit) && unit.size() == 2) {
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(unit[0]) |
                                          (static_cast<unsigned char>(unit[1]) << 8)));
      i += len;
      continue;
    }
    // The pair may have been two characters (the euro sign 0x80 is one
    // byte): start over with the first byte alone.
    unit.clear();
    if (len == 2 && GbkToUcs().ConvertUnit(local.data() + i, 1, unit) && unit.size() == 2) {
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(unit[0]) |
                                          (static_cast<unsigned char>(unit[1]) << 8)));
      i += 1;
    } else {
      // Not a character of the code page: the pair (or the lone lead
      // byte at the end) becomes one default character.
      out.push_back(u'?');
      i += len;
    }
  }
  return out;
}

std::string WideToLocal(std::u16string_view wide) {
  std::string out;
  out.reserve(wide.size() * 2);
  size_t i = 0;
  while (i < wide.size()) {
    char16_t u = wide[i];
    if (u < 0x80) {
      out.push_back(static_cast<char>(u));
      ++i;
      continue;
    }
    if (u >= 0xD800 && u <= 0xDFFF) {
      // GBK has no characters beyond the BMP: a pair is one '?'.
      bool pair = u <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                  wide[i + 1] <= 0xDFFF;
      out.push_back('?');
      i += pair ? 2 : 1;
      continue;
    }
    char unit[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    if (!UcsToGbk().ConvertUnit(unit, 2, out)) out.push_back('?');
    ++i;
  }
  return out;
}

std::u16string Utf8ToWide(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  size_t i = 0;
  const size_t n = utf8.size();
  auto byte = [&](size_t k) { return static_cast<unsigned char>(utf8[k]); };
  while (i < n) {
    unsigned char b = byte(i);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    const Utf8Step step =
        ReadUtf8Sequence(reinterpret_cast<const unsigned char*>(utf8.data()), i, n);
    AppendWide(out, step.codePoint);
    i += step.length;
  }
  return out;
}

std::string WideToUtf8(std::u16string_view wide) {
  std::string out;
  out.reserve(wide.size() * 3);
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t u = wide[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] <= 0xDFFF) {
      u = 0x10000 + ((u - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      u = 0xFFFD;
    }
    AppendUtf8(out, u);
  }
  return out;
}

std::string LocalToUtf8Text(std::string_view local) { return WideToUtf8(LocalToWide(local)); }

std::string Utf8TextToLocal(std::string_view utf8) { return WideToLocal(Utf8ToWide(utf8)); }

}  // namespace kestara
