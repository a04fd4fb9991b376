// The translate command against a loopback translation service.
#include "app/welcome_text.h"
#include "tests/app/app_test.h"
#include "tests/support/http_server.h"
#include "translate/code_page.h"
#include "translate/local_text.h"
#include "translate/percent_codec.h"

namespace kestara::testing {
namespace {

using fixtures::Answer;
using fixtures::HttpServer;

constexpr char kPrefix[] = "ue=UTF-8&keyfrom=fanyi.web&o=&action=%E7%BF%BB%E8%AF%91&type=AUTO&i=";

// A page shaped like the service's result page, in UTF-8.
std::string ResultPage(const std::string& utf8Translation) {
  return "<html><body><form method=\"post\"><p><textarea id=\"inputText\" name=\"i\">x</textarea></p>"
         "<p><textarea class=\"output\" wrap=\"SOFT\" name=\"o\">" +
         utf8Translation + "</textarea></p></form>" + std::string(700, ' ') + "</body></html>";
}

std::string BodyOf(const std::string& request) {
  const size_t end = request.find("\r\n\r\n");
  return end == std::string::npos ? std::string() : request.substr(end + 4);
}

class TranslateCommand : public ::testing::Test {
 protected:
  void Use(HttpServer& server) { SetServiceUrlForTests(server.Url("/translate")); }
};

TEST_F(TranslateCommand, SendsTheWelcomeTextAndShowsTheTranslation) {
  HttpServer server(Answer::Page(ResultPage("欢迎 Kestara 翻译")));
  Use(server);
  LoadMainWindowAndWait();
  ClickOn(M("按钮1"));
  ASSERT_TRUE(server.WaitForRequests(1, std::chrono::milliseconds(3000)));
  const std::string body = BodyOf(server.Requests()[0]);
  EXPECT_EQ(body, kPrefix + PercentEncodeFormValue(TrimSpaces(WelcomeText())));
  EXPECT_NE(body.find("Kestara%3Ahttp%3A%2F%2F"), std::string::npos);
  EXPECT_EQ(body.substr(body.size() - 6), "%0D%0A");
  EXPECT_EQ(server.Requests()[0].rfind("POST /translate HTTP/1.1\r\n", 0), 0u);
  EXPECT_EQ(TextOf(M("编辑框2")), Local("欢迎 Kestara 翻译"));
  for (const char* name : {"编辑框1", "按钮1", "按钮2", "按钮3"}) EXPECT_FALSE(DisabledOf(M(name))) << name;
  EXPECT_FALSE(VisibleOf(M("标签3")));
  EXPECT_FALSE(VisibleOf(M("图片框1")));
}

TEST_F(TranslateCommand, ShowsTheBusyStateWhileTheServiceIsSlow) {
  HttpServer server(Answer::Trickle(ResultPage("slow answer"), 64, 40));
  Use(server);
  LoadMainWindowAndWait();
  SetProp(M("编辑框2"), Prop::Text, "old result");
  struct Seen {
    bool busyLabel = false, busyPicture = false, sourceDisabled = false, translateDisabled = false;
    bool pasteDisabled = false, clearDisabled = false, copyEnabled = false;
    std::string result = "unset";
  };
  Seen seen;
  Later(300, [&seen] {
    seen.busyLabel = VisibleOf(M("标签3"));
    seen.busyPicture = VisibleOf(M("图片框1"));
    seen.sourceDisabled = DisabledOf(M("编辑框1"));
    seen.translateDisabled = DisabledOf(M("按钮1"));
    seen.pasteDisabled = DisabledOf(M("按钮2"));
    seen.clearDisabled = DisabledOf(M("按钮3"));
    seen.copyEnabled = !DisabledOf(M("按钮4"));
    seen.result = TextOf(M("编辑框2"));
  });
  ClickOn(M("按钮1"));
  EXPECT_TRUE(seen.busyLabel);
  EXPECT_TRUE(seen.busyPicture);
  EXPECT_TRUE(seen.sourceDisabled);
  EXPECT_TRUE(seen.translateDisabled);
  EXPECT_TRUE(seen.pasteDisabled);
  EXPECT_TRUE(seen.clearDisabled);
  EXPECT_TRUE(seen.copyEnabled);
  EXPECT_EQ(seen.result, "");  // never an old result beside the busy notice
  EXPECT_EQ(TextOf(M("编辑框2")), "slow answer");
  EXPECT_FALSE(VisibleOf(M("标签3")));
  EXPECT_FALSE(VisibleOf(M("图片框1")));
  for (const char* name : {"编辑框1", "按钮1", "按钮2", "按钮3"}) EXPECT_FALSE(DisabledOf(M(name))) << name;
}

TEST_F(TranslateCommand, FailedOrGarbledExchangesEndWithAnEmptyResult) {
  struct Case {
    const char* what;
    Answer answer;
  };
  const std::vector<Case> cases = {
      {"garbage", Answer::Raw("\x01\x02 not http at all\r\n\r\n")},
      {"no markers", Answer::Page("<html>nothing here</html>")},
      {"error status", Answer::Page("<h1>500</h1>", 500)},
      {"cut off before the end marker", Answer::CutOff(ResultPage("partial").substr(0, 150), 100000)},
  };
  LoadMainWindowAndWait();
  for (const Case& c : cases) {
    HttpServer server(c.answer);
    Use(server);
    SetProp(M("编辑框2"), Prop::Text, "old");
    ClickOn(M("按钮1"));
    EXPECT_EQ(TextOf(M("编辑框2")), "") << c.what;
    EXPECT_FALSE(IsFormLoaded(kMessageBox)) << c.what;
    EXPECT_FALSE(VisibleOf(M("标签3"))) << c.what;
    EXPECT_FALSE(DisabledOf(M("按钮1"))) << c.what;
  }
  SetServiceUrlForTests("http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort()) + "/translate");
  SetProp(M("编辑框2"), Prop::Text, "old");
  ClickOn(M("按钮1"));
  EXPECT_EQ(TextOf(M("编辑框2")), "");
}

TEST_F(TranslateCommand, LineBreaksAndTabsAreNotEmpty) {
  HttpServer server(Answer::Page(ResultPage("ok")));
  Use(server);
  LoadMainWindowAndWait();
  SetProp(M("编辑框1"), Prop::Text, "\r\n\t\r\n");
  ClickOn(M("按钮1"));
  ASSERT_EQ(server.RequestCount(), 1u);
  EXPECT_EQ(BodyOf(server.Requests()[0]), std::string(kPrefix) + "%0D%0A%09%0D%0A");
  EXPECT_FALSE(IsFormLoaded(kMessageBox));
}

TEST_F(TranslateCommand, ImportDuringATranslationReplacesTheDisabledSource) {
  HttpServer server(Answer::Trickle(ResultPage("done"), 32, 40));
  Use(server);
  LoadMainWindowAndWait();
  char path[] = "/tmp/kestara-import-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "imported", 8), 8);
  close(fd);
  Later(200, [&path] {
    AnswerNextFileDialog(path);
    ClickOn(M("按钮5"));
  });
  ClickOn(M("按钮1"));
  EXPECT_EQ(TextOf(M("编辑框1")), "imported");
  EXPECT_EQ(TextOf(M("编辑框2")), "done");
  unlink(path);
}

}  // namespace
}  // namespace kestara::testing
