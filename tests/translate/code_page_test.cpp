#include "translate/code_page.h"

#include <gtest/gtest.h>

namespace kestara {
namespace {

TEST(CodePage, LocalToWide) {
  struct Case {
    std::string local;
    std::u16string wide;
  } cases[] = {
      {"", u""},
      {"abc", u"abc"},
      {"\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
      {"\xA1\xA1", u"\u3000"},
      {"\x81\x40", u"\u4E02"},
      {"\x80", u"\u20AC"},            // the euro sign is one byte
      {"\x80" "A", u"\u20ACA"},       // and does not swallow the byte after it
      {"\x81\x7F", u"?"},             // not a character: one default character
      {"a\xD6", u"a?"},               // lead byte without its second byte
      {"\xFF\xFF" "b", u"?b"},
  };
  for (const Case& c : cases) EXPECT_EQ(LocalToWide(c.local), c.wide) << c.local;
}

TEST(CodePage, WideToLocal) {
  struct Case {
    std::u16string wide;
    std::string local;
  } cases[] = {
      {u"", ""},
      {u"A\u4E2D", "A\xD6\xD0"},
      {u"\u20AC", "\x80"},
      {u"\uE000", "?"},               // no GBK counterpart
      {u"\u0E01", "?"},
      {std::u16string(1, char16_t(0xD800)), "?"},          // lone surrogate
      {u"\U0001F600x", "?x"},                              // a pair is one character
  };
  for (const Case& c : cases) EXPECT_EQ(WideToLocal(c.wide), c.local);
}

TEST(CodePage, Utf8ToWideReplacesInvalidSequences) {
  struct Case {
    std::string utf8;
    std::u16string wide;
  } cases[] = {
      {"", u""},
      {"\xE4\xB8\xAD", u"\u4E2D"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},      // never a lead byte
      {"\xE4\xB8", u"\uFFFD"},            // cut short
      {"\xE4\xB8" "a", u"\uFFFDa"},       // interrupted
      {"\xE0\x80\x80", u"\uFFFD"},        // overlong
      {"\xED\xA0\x80", u"\uFFFD"},        // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},    // beyond U+10FFFF
      {"\x80x", u"\uFFFDx"},              // stray continuation byte
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << c.utf8;
}

TEST(CodePage, WideToUtf8) {
  EXPECT_EQ(WideToUtf8(u"a\u4E2D"), "a\xE4\xB8\xAD");
  EXPECT_EQ(WideToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
  EXPECT_EQ(WideToUtf8(u"\u00E9"), "\xC3\xA9");
}

TEST(CodePage, LocalLiteralsAndRoundTrip) {
  EXPECT_EQ(Local("中文"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(Local("翻译结果"), "\xB7\xAD\xD2\xEB\xBD\xE1\xB9\xFB");
  EXPECT_EQ(LocalToUtf8Text(Local("中英文自动检测")), "中英文自动检测");
  EXPECT_EQ(Utf8TextToLocal("\xE2\x82\xAC"), "\x80");
}

}  // namespace
}  // namespace kestara
