#include "translate/local_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kestara {
namespace {

// "中" and "文" in GBK; 0x81 0x61 is a pair whose second byte is 'a'.
constexpr char kZhong[] = "\xD6\xD0";
constexpr char kWen[] = "\xCE\xC4";

struct SearchCase {
  const char* label;
  std::string text;
  std::string what;
  int first;
  int last;
};

// Named by its label in test listings.
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.label; }

class SearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindsWholeCharactersOnly) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(FindFirst(c.text, c.what), c.first);
  EXPECT_EQ(FindLast(c.text, c.what), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    LocalText, SearchTest,
    ::testing::Values(
        SearchCase{"plain", "abcabc", "bc", 2, 5},
        SearchCase{"absent", "abc", "x", -1, -1},
        SearchCase{"empty_text", "", "a", -1, -1},
        SearchCase{"empty_needle", "abc", "", -1, -1},
        SearchCase{"needle_longer", "ab", "abc", -1, -1},
        SearchCase{"whole_text", "abc", "abc", 1, 1},
        SearchCase{"second_byte_skipped", "\x81" "ab", "a", -1, -1},
        SearchCase{"after_pair", "\x81" "aa", "a", 3, 3},
        SearchCase{"last_is_second_byte", "a\x81" "a", "a", 1, 1},
        SearchCase{"chinese", std::string("x") + kZhong + kWen + kZhong, kZhong, 2, 6},
        SearchCase{"across_characters", "\xB0\xA1\xB0\xA1", "\xA1\xB0", -1, -1},
        SearchCase{"run_of_lead_bytes", "\xA1\xA1\xA1\xA1\xA1", "\xA1\xA1", 1, 3},
        SearchCase{"second_byte_of_chinese", kZhong, "\xD0", -1, -1},
        SearchCase{"case_sensitive", "Accept", "accept", -1, -1}),
    [](const auto& p) { return std::string(p.param.label); });

TEST(LocalTextNoCase, FoldsAsciiLettersOnly) {
  EXPECT_EQ(FindFirstNoCase("Content-Type: x", "content-type:"), 1);
  EXPECT_EQ(FindFirstNoCase("X-ACCEPT: y", "accept: "), 3);
  EXPECT_EQ(FindFirstNoCase("abc", "ABD"), -1);
  // The second byte of a pair is not a letter and never a match start.
  EXPECT_EQ(FindFirstNoCase("\x81" "A", "a"), -1);
  EXPECT_EQ(FindFirstNoCase("\xC1\xC1", "\xE1\xE1"), -1);  // no folding above ASCII
}

TEST(LocalTextCase, ConvertsAsciiLettersAndKeepsPairs) {
  const std::string mixed = std::string("abC") + kZhong + "z\x81" "a[`{";
  EXPECT_EQ(ToUpperAscii(mixed), std::string("ABC") + kZhong + "Z\x81" "a[`{");
  EXPECT_EQ(ToLowerAscii("ABC\x81" "AZ@"), "abc\x81" "Az@");
  EXPECT_EQ(ToUpperAscii(""), "");
}

struct ReplaceCase {
  const char* label;
  std::string text, what, with, expected;
};

// Named by its label in test listings.
void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.label; }

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, ReplacesEveryWholeCharacterMatch) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(ReplaceAll(c.text, c.what, c.with), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    LocalText, ReplaceTest,
    ::testing::Values(ReplaceCase{"all", "a-b-c", "-", "+", "a+b+c"},
                      ReplaceCase{"from_the_left", "aaa", "aa", "b", "ba"},
                      ReplaceCase{"not_rescanned", "xx", "x", "xx", "xxxx"},
                      ReplaceCase{"empty_needle", "abc", "", "x", "abc"},
                      ReplaceCase{"remove", "<b>x<b>", "<b>", "", "x"},
                      ReplaceCase{"second_byte_kept", "\x81" "aa", "a", "", "\x81" "a"},
                      ReplaceCase{"chinese", std::string(kZhong) + kWen + kZhong, kZhong, "Z",
                                  std::string("Z") + kWen + "Z"},
                      ReplaceCase{"empty_text", "", "a", "b", ""}),
    [](const auto& p) { return std::string(p.param.label); });

struct TrimCase {
  const char* label;
  std::string text, expected;
};

// Named by its label in test listings.
void PrintTo(const TrimCase& c, std::ostream* os) { *os << c.label; }

class TrimTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesSpaceRunsAtBothEnds) { EXPECT_EQ(TrimSpaces(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    LocalText, TrimTest,
    ::testing::Values(
        TrimCase{"spaces", "  a b  ", "a b"},
        TrimCase{"full_width", std::string("\xA1\xA1 \xA1\xA1") + kZhong + "\xA1\xA1 ", kZhong},
        TrimCase{"tabs_and_line_ends_stay", "\t a \r\n", "\t a \r\n"},
        TrimCase{"empty", "", ""},
        TrimCase{"only_spaces", "  \xA1\xA1  ", ""},
        TrimCase{"lone_lead_byte_dropped", "ab\xD6", "ab"},
        TrimCase{"lone_lead_byte_then_space", "a \xD6", "a"},
        TrimCase{"odd_run_of_A1", "\xA1\xA1\xA1", ""},
        // 0xB0 0xA1 is a character; the 0xA1 after it stands alone.
        TrimCase{"A1_after_pair_is_alone", "\xB0\xA1\xA1", "\xB0\xA1"},
        // A space that is the second byte of a pair is no space.
        TrimCase{"space_as_second_byte", "\xA1 ", "\xA1 "},
        TrimCase{"full_width_inside_kept", std::string("a\xA1\xA1") + "b", "a\xA1\xA1" "b"}),
    [](const auto& p) { return std::string(p.param.label); });

}  // namespace
}  // namespace kestara
