#include "translate/http_client.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdlib>

#include "tests/support/http_server.h"
#include "tests/translate/recording_toolkit.h"

namespace kestara {
namespace {

using fixtures::Answer;
using fixtures::HttpServer;
using fixtures::RecordingToolkit;

constexpr char kAccept[] =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, "
    "application/vnd.ms-powerpoint, application/msword, */*\r\n";
constexpr char kUserAgentLine[] = "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";

struct UrlCase {
  const char* url;
  const char* host;
  int port;
  const char* path;
};

TEST(HttpUrl, SplitsHostPortAndPath) {
  const UrlCase cases[] = {
      {"http://Host:8080/a/b?x=1", "host", 8080, "/a/b?x=1"},
      {"HTTP://Host/x", "host", 80, "/x"},
      {"http://Host", "host", 80, "/"},
      {"Host:81/x", "host", 81, "/x"},
      {"http://Host:/x", "host", 0, "/x"},
      {"http://h:8080.9/x", "h", 8080, "/x"},
      {"http://h:x1/", "h", 0, "/"},
      {"http://h:99999999999999/", "h", INT_MAX, "/"},
      {"http://h/p#frag", "h", 80, "/p#frag"},
      {"ftp://h/x", "ftp", 0, "//h/x"},  // not a recognised scheme: host runs to the first "/"
      {"", "", 80, "/"},
      {"http://", "", 80, "/"},
  };
  for (const UrlCase& c : cases) {
    EXPECT_EQ(UrlHost(c.url), c.host) << c.url;
    EXPECT_EQ(UrlPort(c.url), c.port) << c.url;
    EXPECT_EQ(UrlPath(c.url), c.path) << c.url;
  }
}

TEST(HttpHeaders, CompletesCallerText) {
  const std::string url = "http://h/translate";
  const std::string body(57, 'b');
  struct Case {
    const char* label;
    std::string headers;
    bool isGet;
    std::string body;
    std::string expected;
  } cases[] = {
      {"translation", "Referer: " + url + "\r\n", false, body,
       "Referer: " + url + "\r\n" + kAccept + "Accept-Language: zh-cn\r\n" +
           "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 57\r\n"},
      {"empty_get", "", true, "", std::string(kAccept) + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
      {"accept_given_lower_case", "accept: text/html\r\n", true, "",
       "accept: text/html\r\nReferer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
      // The name is searched anywhere in the text, as a substring.
      {"accept_inside_other_name", "X-Accept: 1\r\n", true, "",
       "X-Accept: 1\r\nReferer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
      {"language_given", "Accept-Language: en\r\n", true, "",
       "Accept-Language: en\r\n" + std::string(kAccept) + "Referer: " + url + "\r\n"},
      {"get_never_has_body_lines", "", true, "abc",
       std::string(kAccept) + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
      {"empty_post_has_no_body_lines", "", false, "",
       std::string(kAccept) + "Referer: " + url + "\r\nAccept-Language: zh-cn\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompleteHeaderText(url, c.headers, c.isGet, c.body), c.expected) << c.label;
}

// Head and body of a recorded request.
struct Parsed {
  std::string requestLine;
  std::vector<std::string> lines;
  std::string body;
};

Parsed Parse(const std::string& raw) {
  Parsed p;
  size_t end = raw.find("\r\n\r\n");
  if (end == std::string::npos) return p;
  std::string head = raw.substr(0, end + 2);
  p.body = raw.substr(end + 4);
  size_t at = head.find("\r\n");
  p.requestLine = head.substr(0, at);
  for (at += 2; at < head.size();) {
    size_t next = head.find("\r\n", at);
    p.lines.push_back(head.substr(at, next - at));
    at = next + 2;
  }
  return p;
}

class HttpExchange : public ::testing::Test {
 protected:
  void SetUp() override { RecordingToolkit::Instance().Reset(); }
  int Pumps() const { return RecordingToolkit::Instance().pumps; }
};

TEST_F(HttpExchange, TranslationRequestHasExactlyTheseLines) {
  HttpServer server(Answer::Page("done"));
  const std::string url = server.Url("/translate");
  const std::string body = "ue=UTF-8&i=a%26b";
  EXPECT_EQ(HttpRequest(url, "POST", std::nullopt, "Referer: " + url + "\r\n", body), "done");
  ASSERT_EQ(server.RequestCount(), 1u);
  const std::string expected = "POST /translate HTTP/1.1\r\n"
                               "Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n" +
                               kUserAgentLine + "Referer: " + url + "\r\n" + kAccept +
                               "Accept-Language: zh-cn\r\n"
                               "Content-Type: application/x-www-form-urlencoded\r\n"
                               "Content-Length: 16\r\n\r\n" + body;
  EXPECT_EQ(server.Requests()[0], expected);
}

TEST_F(HttpExchange, MethodRule) {
  struct Case {
    const char* method;
    const char* requestLine;
    const char* body;
  } cases[] = {
      {"POST", "POST /m HTTP/1.1", "data"},
      {"post", "post /m HTTP/1.1", "data"},
      {"Post", "Post /m HTTP/1.1", "data"},
      {"PUT", "GET /m HTTP/1.1", ""},
      {"", "GET /m HTTP/1.1", ""},
      {"POSTX", "GET /m HTTP/1.1", ""},
  };
  for (const Case& c : cases) {
    HttpServer server(Answer::Page("ok"));
    EXPECT_EQ(HttpRequest(server.Url("/m"), c.method, std::nullopt, "", "data"), "ok") << c.method;
    ASSERT_EQ(server.RequestCount(), 1u) << c.method;
    Parsed p = Parse(server.Requests()[0]);
    EXPECT_EQ(p.requestLine, c.requestLine);
    EXPECT_EQ(p.body, c.body) << c.method;
    bool hasContentLine = false;
    for (const std::string& line : p.lines) hasContentLine |= line.rfind("Content-", 0) == 0;
    EXPECT_EQ(hasContentLine, *c.body != '\0') << c.method;
  }
}

TEST_F(HttpExchange, EmptyPostCarriesNoBodyLinesAndCurlAddsNothing) {
  HttpServer server(Answer::Page("ok"));
  EXPECT_EQ(HttpRequest(server.Url("/e"), "POST"), "ok");
  ASSERT_EQ(server.RequestCount(), 1u);
  Parsed p = Parse(server.Requests()[0]);
  EXPECT_EQ(p.requestLine, "POST /e HTTP/1.1");
  const std::vector<std::string> expected = {
      "Host: 127.0.0.1:" + std::to_string(server.port()),
      "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
      std::string(kAccept, sizeof kAccept - 3),
      "Referer: " + server.Url("/e"),
      "Accept-Language: zh-cn"};
  EXPECT_EQ(p.lines, expected);
  EXPECT_EQ(p.body, "");
}

TEST_F(HttpExchange, CallerAcceptReplacesDefaultAndCurlsOwn) {
  HttpServer server(Answer::Page("ok"));
  HttpRequest(server.Url("/a"), "", std::nullopt, "X-Accept: 1\r\n");
  ASSERT_EQ(server.RequestCount(), 1u);
  for (const std::string& line : Parse(server.Requests()[0]).lines) {
    EXPECT_NE(line.rfind("Accept:", 0), 0u) << line;  // neither ours nor curl's "*/*"
    EXPECT_NE(line.rfind("Expect:", 0), 0u) << line;
  }
}

TEST_F(HttpExchange, LargeBodyGoesOutWithoutExpect) {
  HttpServer server(Answer::Page("ok"));
  const std::string body(2 * 1024 * 1024, 'x');
  EXPECT_EQ(HttpRequest(server.Url("/big"), "POST", std::nullopt, "", body), "ok");
  ASSERT_EQ(server.RequestCount(), 1u);
  Parsed p = Parse(server.Requests()[0]);
  EXPECT_EQ(p.body.size(), body.size());
  for (const std::string& line : p.lines) EXPECT_NE(line.rfind("Expect", 0), 0u);
}

TEST_F(HttpExchange, ResponsesOfEveryShape) {
  std::string long_body;
  for (int k = 0; long_body.size() < 5000; ++k) long_body += "line " + std::to_string(k) + "\n";
  struct Case {
    const char* label;
    Answer answer;
    std::string expected;
    int minPumps;
  } cases[] = {
      {"longer_than_a_piece", Answer::Page(long_body), long_body,
       static_cast<int>((long_body.size() + 511) / 512)},
      {"chunked", Answer::Chunked({"abc", std::string(700, 'd'), "e"}), "abc" + std::string(700, 'd') + "e", 2},
      {"slow_small_pieces", Answer::Trickle("0123456789abcdefghij", 2, 30), "0123456789abcdefghij", 10},
      {"zero_byte_ends_it", Answer::Page(std::string("abc\0def", 7)), "abc", 1},
      {"error_status_body", Answer::Page("not here", 404), "not here", 1},
      {"closed_mid_body", Answer::CutOff(std::string(1300, 'p'), 5000), std::string(1300, 'p'), 3},
      {"empty_body", Answer::Page(""), "", 0},
      {"no_response_at_all", Answer::Raw(""), "", 0},
      {"garbage_response", Answer::Raw("not http\r\n\r\n"), "", 0},
  };
  for (Case& c : cases) {
    RecordingToolkit::Instance().Reset();
    HttpServer server(c.answer);
    EXPECT_EQ(HttpRequest(server.Url("/r"), "GET"), c.expected) << c.label;
    EXPECT_GE(Pumps(), c.minPumps) << c.label;
  }
}

TEST_F(HttpExchange, EventsArePumpedWhileWaitingForData) {
  // 300 ms of silence before the body: the window thread keeps pumping.
  Answer answer;
  answer.steps.push_back({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\n", 300});
  answer.steps.push_back({"hi", 0});
  HttpServer server(answer);
  int pumpsBeforeBody = -1;
  RecordingToolkit::Instance().onPump = [&] { ++pumpsBeforeBody; };
  EXPECT_EQ(HttpRequest(server.Url("/")), "hi");
  EXPECT_GE(pumpsBeforeBody, 5);
}

TEST_F(HttpExchange, RawHeadersWhenAsked) {
  HttpServer server(Answer::Page("body", 404, "X-One: 1\r\n"));
  std::string raw = "old";
  EXPECT_EQ(HttpRequest(server.Url("/"), "GET", std::nullopt, "", "", &raw), "body");
  EXPECT_EQ(raw, "HTTP/1.1 404 Not Found\r\nX-One: 1\r\nConnection: close\r\nContent-Length: 4\r\n\r\n");

  // A block beyond 1024 bytes comes back whole.
  const std::string big = "X-Big: " + std::string(3000, 'b') + "\r\n";
  HttpServer bigServer(Answer::Page("b", 200, big));
  EXPECT_EQ(HttpRequest(bigServer.Url("/"), "GET", std::nullopt, "", "", &raw), "b");
  EXPECT_EQ(raw.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
  EXPECT_NE(raw.find(big), std::string::npos);

  // No answer: the text is emptied.
  raw = "old";
  EXPECT_EQ(HttpRequest("http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort()) + "/", "GET",
                        std::nullopt, "", "", &raw),
            "");
  EXPECT_EQ(raw, "");
}

TEST_F(HttpExchange, DirectAccessIgnoresProxyEnvironment) {
  HttpServer server(Answer::Page("direct"));
  const std::string nowhere = "http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort());
  for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) setenv(name, nowhere.c_str(), 1);
  const std::string got = HttpRequest(server.Url("/d"));
  for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"}) unsetenv(name);
  EXPECT_EQ(got, "direct");
  EXPECT_EQ(server.RequestCount(), 1u);
}

TEST_F(HttpExchange, ProxyAccessGoesThroughTheProxy) {
  HttpServer proxy(Answer::Page("via proxy"));
  const std::string proxyAddress = "127.0.0.1:" + std::to_string(proxy.port());
  setenv("no_proxy", "*", 1);  // must not turn the given proxy off
  const std::string got = HttpRequest("http://example.invalid:8081/p?q=1", "GET", proxyAddress);
  unsetenv("no_proxy");
  EXPECT_EQ(got, "via proxy");
  ASSERT_EQ(proxy.RequestCount(), 1u);
  Parsed p = Parse(proxy.Requests()[0]);
  EXPECT_EQ(p.requestLine, "GET http://example.invalid:8081/p?q=1 HTTP/1.1");
  for (const std::string& line : p.lines) EXPECT_NE(line.rfind("Proxy-Connection", 0), 0u);

  // The default port is not named in the request line.
  EXPECT_EQ(HttpRequest("http://Example.invalid/t", "GET", proxyAddress), "via proxy");
  ASSERT_EQ(proxy.RequestCount(), 2u);
  p = Parse(proxy.Requests()[1]);
  EXPECT_EQ(p.requestLine, "GET http://example.invalid/t HTTP/1.1");
  EXPECT_EQ(p.lines[0], "Host: example.invalid");

  // A supplied but empty proxy names none: no request is made.
  HttpServer server(Answer::Page("direct"));
  EXPECT_EQ(HttpRequest(server.Url("/"), "GET", std::string()), "");
  EXPECT_EQ(server.RequestCount(), 0u);
}

TEST_F(HttpExchange, UrlWithoutSchemeAndOddPaths) {
  HttpServer server(Answer::Page("ok"));
  const std::string port = std::to_string(server.port());
  EXPECT_EQ(HttpRequest("127.0.0.1:" + port + "/plain"), "ok");
  EXPECT_EQ(HttpRequest("127.0.0.1:" + port), "ok");
  EXPECT_EQ(HttpRequest("HTTP://127.0.0.1:" + port + "/a b\xD6\xD0"), "ok");
  ASSERT_EQ(server.RequestCount(), 3u);
  EXPECT_EQ(Parse(server.Requests()[0]).requestLine, "GET /plain HTTP/1.1");
  EXPECT_EQ(Parse(server.Requests()[1]).requestLine, "GET / HTTP/1.1");
  EXPECT_EQ(Parse(server.Requests()[2]).requestLine, "GET /a%20b%D6%D0 HTTP/1.1");
}

TEST_F(HttpExchange, RequestsThatCannotBeMadeGiveEmptyText) {
  HttpServer server(Answer::Page("ok"));
  const std::string port = std::to_string(server.port());
  const std::string cases[] = {
      "http://127.0.0.1:" + std::to_string(HttpServer::UnusedPort()) + "/",  // nobody listens
      "http://127.0.0.1:99999/",                                            // no such port
      "http://",
      "",
      "http://bad host:" + port + "/",
      "http://user@127.0.0.1:" + port + "/",
      "http://127.0.0.1:" + port + "/x\r\nX-Injected: 1",
  };
  for (const std::string& url : cases) EXPECT_EQ(HttpRequest(url, "POST", std::nullopt, "", "b"), "") << url;
  EXPECT_EQ(HttpRequest(server.Url("/"), "GET", std::nullopt, std::string("X: \0\r\n", 6)), "");
  EXPECT_EQ(server.RequestCount(), 0u);
}

// The one test that waits for the full receive time-out.
TEST_F(HttpExchange, SilentServerTimesOutAfterEighteenSeconds) {
  HttpServer server(Answer::Silence());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(HttpRequest(server.Url("/"), "POST", std::nullopt, "", "x=1"), "");
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, std::chrono::seconds(17));
  EXPECT_LT(waited, std::chrono::seconds(30));
  EXPECT_GT(Pumps(), 100);  // the window was kept alive all along
  EXPECT_EQ(server.RequestCount(), 1u);
}

}  // namespace
}  // namespace kestara
