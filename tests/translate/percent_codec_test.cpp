#include "translate/percent_codec.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>

#include "translate/code_page.h"

namespace kestara {
namespace {

// The escapes the per-character conversion calls for: every UTF-8 byte of
// the character, zero bytes left out.
std::string ExpectedEscapes(std::string_view local) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : LocalCharToUtf8(local)) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u == 0) continue;
    out += '%';
    out += kHex[u >> 4];
    out += kHex[u & 15];
  }
  return out;
}

struct CodecCase {
  const char* label;
  std::string input;
  std::string expected;
};

// Named by its label in test listings.
void PrintTo(const CodecCase& c, std::ostream* os) { *os << c.label; }

class EncodeTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(EncodeTest, EncodesFormValue) {
  EXPECT_EQ(PercentEncodeFormValue(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PercentCodec, EncodeTest,
    ::testing::Values(
        CodecCase{"space_unchanged", "hello world", "hello world"},
        CodecCase{"percent", "50%", "50%25"},
        CodecCase{"form_syntax", "x=1&y=2", "x%3D1%26y%3D2"},
        CodecCase{"plus", "a+b", "a%2Bb"},
        CodecCase{"tab", "\t", "%09"},
        CodecCase{"crlf", "\r\n", "%0D%0A"},
        CodecCase{"unreserved_are_escaped", "~-_.", "%7E%2D%5F%2E"},
        CodecCase{"controls_pass", "\x01\x7F\x0B", "\x01\x7F\x0B"},
        CodecCase{"zhong", "\xD6\xD0", "%E4%B8%AD"},
        CodecCase{"full_width_space", "\xA1\xA1", "%E3%80%80"},
        CodecCase{"arrow", "\xA1\xFA", "%E2%86%92"},
        CodecCase{"second_byte_is_at_sign", "\x81\x40", "%E4%B8%82"},
        CodecCase{"second_byte_is_quote", "\xD6\x22", "%3F"},  // not a character
        CodecCase{"lone_lead_byte_at_end", "a\xD6", "a%3F"},
        CodecCase{"euro_and_letter", "\x80" "A", "%E2%82%AC%41"},
        CodecCase{"zero_byte_never_written", std::string("a\0b", 3), "ab"},
        CodecCase{"empty", "", ""},
        CodecCase{"hex_is_upper_case", "\x1F" "{", "\x1F%7B"}),
    [](const auto& p) { return std::string(p.param.label); });

TEST(PercentCodecEncode, EscapeSetIsExactlyThe35Bytes) {
  const std::string set = "`~!@#$%^&*()-_=+[{]};:'\\|,<.>/?\"\r\n\t";
  ASSERT_EQ(set.size(), 35u);
  int escaped = 0;
  for (int b = 1; b < 0x80; ++b) {
    const char c = static_cast<char>(b);
    const bool inSet = set.find(c) != std::string::npos;
    EXPECT_EQ(IsFormEscaped(c), inSet) << b;
    escaped += IsFormEscaped(c);
    const std::string one(1, c);
    std::string escape = "%";
    escape += "0123456789ABCDEF"[b >> 4];
    escape += "0123456789ABCDEF"[b & 15];
    EXPECT_EQ(PercentEncodeFormValue(one), inSet ? escape : one) << b;
  }
  EXPECT_EQ(escaped, 35);
}

// The table-driven encoder against the per-character conversion, for every
// pair with a lead byte and every single lead byte.
TEST(PercentCodecEncode, TablesMatchPerCharacterConversionForEveryPair) {
  int mismatches = 0;
  for (int lead = 0x80; lead < 0x100; ++lead) {
    const std::string alone(1, static_cast<char>(lead));
    EXPECT_EQ(PercentEncodeFormValue(alone), ExpectedEscapes(alone)) << lead;
    for (int trail = 0; trail < 0x100; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      if (PercentEncodeFormValue(pair) != ExpectedEscapes(pair) && ++mismatches < 10) {
        ADD_FAILURE() << std::hex << lead << " " << trail;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(PercentCodecEncode, LongMixedTextKeepsCharacterSteps) {
  // Pairs whose second byte is in the escape set stay pairs over a long run.
  std::string text;
  std::string expected;
  for (int k = 0; k < 1000; ++k) {
    text += "\x81\x40" "a ";
    expected += "%E4%B8%82a ";
  }
  EXPECT_EQ(PercentEncodeFormValue(text), expected);
}

TEST(PercentCodecUtf16, LayoutIsUnitsAndOneZeroUnit) {
  EXPECT_EQ(LocalToUtf16("\xD6\xD0"), std::string("\x2D\x4E\x00\x00", 4));
  EXPECT_EQ(LocalToUtf16(""), std::string(2, '\0'));
  EXPECT_EQ(LocalToUtf16("A"), std::string("A\0\0\0", 4));
  EXPECT_EQ(LocalCharToUtf8("\xD6\xD0"), "\xE4\xB8\xAD");
  EXPECT_EQ(LocalCharToUtf8(""), "");
}

class DecodeTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(DecodeTest, DecodesPage) { EXPECT_EQ(PercentDecode(GetParam().input), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    PercentCodec, DecodeTest,
    ::testing::Values(
        CodecCase{"space", "a%20b", "a b"},
        CodecCase{"letters", "%41%42C", "ABC"},
        CodecCase{"upper_hex", "%E4%B8%AD", "\xD6\xD0"},
        CodecCase{"lower_hex", "%e4%b8%ad", "\xD6\xD0"},
        CodecCase{"raw_utf8", "\xE4\xB8\xAD", "\xD6\xD0"},
        CodecCase{"escapes_and_raw_mixed", "%E4\xB8%AD", "\xD6\xD0"},
        CodecCase{"zero_escape_dropped", "a%00b", "ab"},
        CodecCase{"not_rescanned", "%2541", "%41"},
        CodecCase{"missing_character", "\xE0\xB8\x81", "?"},  // Thai: GBK lacks it
        CodecCase{"beyond_bmp", "\xF0\x9F\x98\x80", "?"},
        CodecCase{"euro", "%E2%82%AC", "\x80"},
        CodecCase{"empty", "", ""},
        CodecCase{"ascii_unchanged", "<p class=\"x\">a</p>", "<p class=\"x\">a</p>"},
        // A "%" without two hex digits is an ordinary character.
        CodecCase{"stray_percent_at_end", "50%", "50%"},
        CodecCase{"stray_percent_one_digit", "%4", "%4"},
        CodecCase{"stray_percent_not_hex", "%zz%4g", "%zz%4g"},
        CodecCase{"stray_then_escape", "%%41", "%A"},
        CodecCase{"escaped_percent", "100%25", "100%"},
        // Bytes that are no UTF-8 become the default character.
        CodecCase{"invalid_byte", "a\xFF" "b", "a?b"},
        CodecCase{"invalid_escape_byte", "%FF", "?"},
        CodecCase{"cut_sequence", "\xE4\xB8", "?"},
        CodecCase{"overlong", "\xC0\xAF", "??"},
        CodecCase{"raw_zero_ends_text", std::string("ab\0cd", 5), "ab"}),
    [](const auto& p) { return std::string(p.param.label); });

std::string Utf16Bytes(std::u16string_view units) {
  std::string out;
  for (char16_t u : units) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
  }
  return out;
}

TEST(PercentCodecDecode, Utf16ToLocalStopsAtZeroUnit) {
  EXPECT_EQ(Utf16ToLocal(Utf16Bytes(u"A\u4E2D")), "A\xD6\xD0");
  EXPECT_EQ(Utf16ToLocal(Utf16Bytes(std::u16string(u"ab\0cd", 5))), "ab");
  EXPECT_EQ(Utf16ToLocal(Utf16Bytes(u"\U0001F600!")), "?!");
  EXPECT_EQ(Utf16ToLocal(Utf16Bytes(std::u16string(1, char16_t(0xDC00)))), "?");
  EXPECT_EQ(Utf16ToLocal(Utf16Bytes(u"x") + "y"), "x");  // odd byte ignored
  EXPECT_EQ(Utf16ToLocal(""), "");
  EXPECT_EQ(Utf8ToLocal(std::string("a\0b", 3)), "a");
}

// The table-driven decoder against the code-page layer for every UTF-16
// code unit, and for every two-byte sequence.
TEST(PercentCodecDecode, TablesMatchCodePageLayerForEveryUnit) {
  int mismatches = 0;
  for (unsigned u = 1; u < 0x10000; ++u) {
    const std::u16string unit(1, static_cast<char16_t>(u));
    const std::string expected = WideToLocal(unit);
    const bool surrogate = u >= 0xD800 && u <= 0xDFFF;
    const bool ok = Utf16ToLocal(Utf16Bytes(unit)) == expected &&
                    (surrogate || Utf8ToLocal(WideToUtf8(unit)) == expected);
    if (!ok && ++mismatches < 10) ADD_FAILURE() << std::hex << u;
  }
  for (unsigned v = 0; v < 0x10000; ++v) {
    const std::string bytes{static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
    if ((v >> 8) == 0 || (v & 0xFF) == 0) continue;  // zero ends the text in both
    if (Utf8ToLocal(bytes) != Utf8TextToLocal(bytes) && ++mismatches < 20)
      ADD_FAILURE() << std::hex << v;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(PercentCodecDecode, MatchesCodePageLayerOnScrambledBytes) {
  // Long runs of ASCII, leads, continuation bytes and invalid bytes, so the
  // eight-byte ASCII path and every resynchronisation get exercised.
  const unsigned char alphabet[] = {'a', 'b', ' ', '<', 0x80, 0x8F, 0xBF, 0xC2, 0xC0, 0xDF, 0xE0,
                                    0xE4, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF, 0xB8, 0xAD, 0xA0};
  std::uint32_t seed = 12345;
  auto next = [&] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const size_t length = next() % 48;
    for (size_t k = 0; k < length; ++k) {
      if (next() % 4 == 0) {
        bytes.append(next() % 12, 'x');
      } else {
        bytes += static_cast<char>(alphabet[next() % sizeof alphabet]);
      }
    }
    ASSERT_EQ(Utf8ToLocal(bytes), Utf8TextToLocal(bytes)) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace kestara
