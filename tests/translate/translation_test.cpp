#include "translate/translation.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/support/http_server.h"
#include "tests/translate/recording_toolkit.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

using fixtures::Answer;
using fixtures::HttpServer;
using fixtures::RecordingToolkit;

constexpr char kStart[] = "wrap=\"SOFT\" name=\"o\">";
constexpr char kEnd[] = "</textarea></p>";
constexpr char kPrefix[] = "ue=UTF-8&keyfrom=fanyi.web&o=&action=%E7%BF%BB%E8%AF%91";

Control Main(const char* name) { return Control{"MainWindow", name}; }

// A page shaped like the service's answer, in UTF-8.
std::string ResultPage(const std::string& utf8Result) {
  return "<html><head><meta charset=\"utf-8\"></head><body><form><p>"
         "<textarea id=\"inputText\" wrap=\"SOFT\" name=\"i\">hello</textarea></p><p>"
         "<textarea id=\"outputText\" class=\"text\" rows=\"5\" wrap=\"SOFT\" name=\"o\">" +
         utf8Result + "</textarea></p></form><p>50% 100%</p></body></html>\n";
}

class TranslateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit().Reset();
    toolkit().Set(Main("组合框1"), Prop::CurrentSelection, Value(0));
    toolkit().Set(Main("编辑框2"), Prop::Text, Value(std::string("old result")));
    toolkit().Set(Main("标签3"), Prop::Visible, Value(true));
    toolkit().Set(Main("图片框1"), Prop::Visible, Value(true));
  }
  static RecordingToolkit& toolkit() { return RecordingToolkit::Instance(); }
  void SetSource(int selection, const std::string& local) {
    toolkit().Set(Main("组合框1"), Prop::CurrentSelection, Value(selection));
    toolkit().Set(Main("编辑框1"), Prop::Text, Value(local));
  }
  std::string Result() const { return toolkit().Get(Main("编辑框2"), Prop::Text).Text(); }
  void ExpectBusyHiddenLast() const {
    const auto& writes = toolkit().Writes();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].control.name, "编辑框2");
    EXPECT_EQ(writes[0].property, Prop::Text);
    EXPECT_EQ(writes[1].control.name, "标签3");
    EXPECT_EQ(writes[2].control.name, "图片框1");
    for (int k : {1, 2}) {
      EXPECT_EQ(writes[k].property, Prop::Visible);
      EXPECT_FALSE(writes[k].value.Flag());
    }
  }
};

TEST_F(TranslateTest, RequestForHelloWorldIsExact) {
  HttpServer server(Answer::Page(ResultPage("你好世界")));
  SetSource(0, "hello world");
  const std::string url = server.Url("/translate");
  Translate(url);
  ASSERT_EQ(server.RequestCount(), 1u);
  const std::string body = std::string(kPrefix) + "&type=AUTO&i=hello world";
  const std::string expected =
      "POST /translate HTTP/1.1\r\n"
      "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"
      "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
      "Referer: " + url + "\r\n"
      "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
      "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n"
      "Accept-Language: zh-cn\r\n"
      "Content-Type: application/x-www-form-urlencoded\r\n"
      "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
  EXPECT_EQ(server.Requests()[0], expected);
  EXPECT_EQ(Result(), Local("你好世界"));
  ExpectBusyHiddenLast();
}

TEST_F(TranslateTest, BodyCarriesDirectionAndTrimmedEncodedText) {
  struct Case {
    const char* label;
    int selection;
    std::string source;
    std::string tail;
  } cases[] = {
      {"spaces_and_ampersand", 2, "  a&b  ", "&type=ZH_CN2EN&i=a%26b"},
      {"two_lines", 0, "a\r\nb", "&type=AUTO&i=a%0D%0Ab"},
      {"full_width_spaces", 1, "\xA1\xA1\xD6\xD0\xA1\xA1", "&type=EN2ZH_CN&i=%E4%B8%AD"},
      {"empty_text", 0, "", "&type=AUTO&i="},
      {"only_spaces", 0, "   ", "&type=AUTO&i="},
      {"tab_kept", 0, "\ta", "&type=AUTO&i=%09a"},
  };
  for (const Case& c : cases) {
    SetUp();
    HttpServer server(Answer::Page(ResultPage("x")));
    SetSource(c.selection, c.source);
    Translate(server.Url("/translate"));
    ASSERT_EQ(server.RequestCount(), 1u) << c.label;
    const std::string raw = server.Requests()[0];
    const std::string body = raw.substr(raw.find("\r\n\r\n") + 4);
    EXPECT_EQ(body, kPrefix + c.tail) << c.label;
    EXPECT_NE(raw.find("Content-Length: " + std::to_string(body.size()) + "\r\n"), std::string::npos);
  }
}

TEST_F(TranslateTest, ResultPages) {
  struct Case {
    const char* label;
    std::string page;
    std::string expected;  // local text
  } cases[] = {
      {"chinese", ResultPage("你好，世界"), Local("你好，世界")},
      {"escaped_in_page", ResultPage("%E4%BD%A0%E5%A5%BD a%2Bb"), Local("你好") + " a+b"},
      {"two_text_areas", ResultPage("first") + ResultPage("second"), "second"},
      {"inner_end_marker_removed", ResultPage("a</textarea></p>b"), "ab"},
      {"empty_text_area", ResultPage(""), ""},
      {"no_markers", "<html>nothing</html>", ""},
      {"only_start_marker", std::string("<html><textarea ") + kStart + "text", ""},
      {"only_end_marker", std::string("text") + kEnd, ""},
      {"euro_and_missing_character", ResultPage("€ก"), "\x80?"},
  };
  for (const Case& c : cases) {
    SetUp();
    HttpServer server(Answer::Page(c.page));
    SetSource(0, "hello");
    Translate(server.Url("/translate"));
    EXPECT_EQ(Result(), c.expected) << c.label;
    ExpectBusyHiddenLast();
  }
}

TEST_F(TranslateTest, TenMegabytePage) {
  std::string filler;
  while (filler.size() < 10 * 1024 * 1024) filler += "<div>汉字 text %41 filler</div>\n";
  HttpServer server(Answer::Page(filler + ResultPage("结果") + filler));
  SetSource(0, "hello");
  Translate(server.Url("/translate"));
  EXPECT_EQ(Result(), Local("结果"));
  EXPECT_GE(toolkit().pumps, 10 * 1024 * 1024 / 512);
}

TEST_F(TranslateTest, UnreachableServiceEmptiesResultAndHidesBusyControls) {
  SetSource(0, "hello");
  Translate("http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort()) + "/translate");
  EXPECT_EQ(Result(), "");
  EXPECT_FALSE(toolkit().Get(Main("标签3"), Prop::Visible).Flag());
  EXPECT_FALSE(toolkit().Get(Main("图片框1"), Prop::Visible).Flag());
  ExpectBusyHiddenLast();
}

TEST_F(TranslateTest, ErrorPageWithoutMarkersGivesEmptyResult) {
  HttpServer server(Answer::Page("<h1>500</h1>", 500));
  SetSource(0, "hello");
  Translate(server.Url("/translate"));
  EXPECT_EQ(Result(), "");
  ExpectBusyHiddenLast();
}

// A direction outside the three known ones ends the program with fatal
// error 9 before any request is made.
TEST_F(TranslateTest, UnknownDirectionIsFatalBeforeAnyRequest) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (int selection : {-1, 3, -5}) {
    EXPECT_EXIT(
        {
          SetUp();
          HttpServer server(Answer::Page(ResultPage("x")));
          SetSource(selection, "hello");
          toolkit().onFatal = [&] {
            return " requests=" + std::to_string(server.RequestCount()) +
                   " writes=" + std::to_string(toolkit().Writes().size());
          };
          Translate(server.Url("/translate"));
        },
        ::testing::ExitedWithCode(255), "fatal error 9 requests=0 writes=0")
        << selection;
  }
}

struct ExtractCase {
  const char* label;
  std::string text, start, end;
  bool keep;
  std::string expected;
};

// Named by its label in test listings.
void PrintTo(const ExtractCase& c, std::ostream* os) { *os << c.label; }

class ExtractTest : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractTest, CutsBetweenLastMarkers) {
  const ExtractCase& c = GetParam();
  EXPECT_EQ(ExtractBetween(c.text, c.start, c.end, c.keep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Translation, ExtractTest,
    ::testing::Values(
        ExtractCase{"simple", "xx<s>abc<e>yy", "<s>", "<e>", false, "abc"},
        ExtractCase{"keep_markers", "xx<s>abc<e>yy", "<s>", "<e>", true, "<s>abc<e>"},
        ExtractCase{"last_of_each", "<s>1<e><s>2<e>", "<s>", "<e>", false, "2"},
        ExtractCase{"markers_inside_removed", "<s>a<s>b<e>c<e>", "<s>", "<e>", false, "bc"},
        ExtractCase{"end_before_start", "<e>...............<s>abc", "<s>", "<e>", false, ""},
        ExtractCase{"no_start", "abc<e>", "<s>", "<e>", false, ""},
        ExtractCase{"empty_text", "", "<s>", "<e>", false, ""},
        ExtractCase{"empty_markers", "abc", "", "", false, ""},
        // No end marker, start at 1: the length still counts the end marker's.
        ExtractCase{"no_end_start_early", std::string(kStart) + "xyz", kStart, kEnd, false,
                    std::string(kStart).substr(0, 13)},
        ExtractCase{"no_end_start_late", std::string(20, '.') + kStart + "xyz", kStart, kEnd, false, ""},
        // The last "a>" is the second byte of a pair plus ">" and is no match,
        // neither for the search nor for the removal.
        ExtractCase{"marker_on_second_byte", "a>X\x81" "a>Y</e>", "a>", "</e>", false, "X\x81" "a>Y"},
        ExtractCase{"length_past_end", "<e><s>", "<s>", "<e>", true, ""}),
    [](const auto& p) { return std::string(p.param.label); });

}  // namespace
}  // namespace kestara
