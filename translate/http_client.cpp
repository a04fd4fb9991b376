// The exchange itself, over libcurl's multi interface so that the window
// thread keeps processing events while it waits for the network.
#include "translate/http_client.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <vector>

#include "toolkit/toolkit.h"
#include "translate/local_text.h"

namespace kestara {
namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr long kConnectTimeoutMs = 18000;
constexpr auto kIdleTimeout = std::chrono::milliseconds(18000);
constexpr size_t kPieceSize = 512;
constexpr int kWaitMs = 15;  // longest the window thread waits between event pumps

using Clock = std::chrono::steady_clock;

struct EasyDeleter {
  void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct MultiDeleter {
  void operator()(CURLM* h) const { curl_multi_cleanup(h); }
};
struct SlistDeleter {
  void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;
using Multi = std::unique_ptr<CURLM, MultiDeleter>;
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

// Keeps an easy handle attached to a multi handle for its lifetime.
class Attachment {
 public:
  Attachment(CURLM* multi, CURL* easy) : multi_(multi), easy_(easy) {
    attached_ = curl_multi_add_handle(multi_, easy_) == CURLM_OK;
  }
  ~Attachment() {
    if (attached_) curl_multi_remove_handle(multi_, easy_);
  }
  Attachment(const Attachment&) = delete;
  Attachment& operator=(const Attachment&) = delete;
  bool ok() const { return attached_; }

 private:
  CURLM* multi_;
  CURL* easy_;
  bool attached_;
};

bool GlobalInit() {
  static const bool ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ok;
}

// What the callbacks collect while the transfer runs.
struct Transfer {
  std::string pending;      // body bytes not yet handed on
  std::string headers;      // header block of the latest response
  bool headersDone = false;
  bool connected = false;
  Clock::time_point lastActivity = Clock::now();
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  t->pending.append(data, size * count);
  t->lastActivity = Clock::now();
  return size * count;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  std::string_view line(data, size * count);
  t->lastActivity = Clock::now();
  // A new status line starts a new block: interim (1xx) answers are dropped.
  if (line.substr(0, 5) == "HTTP/") {
    t->headers.clear();
    t->headersDone = false;
  }
  if (!t->headersDone) {
    t->headers.append(line);
    if (line == "\r\n" || line == "\n") t->headersDone = true;
  }
  return size * count;
}

int OnConnected(void* user, char*, char*, int, int) {
  auto* t = static_cast<Transfer*>(user);
  t->connected = true;
  t->lastActivity = Clock::now();
  return CURL_PREREQFUNC_OK;
}

// Control bytes other than the ones allowed (line ends and tabs for header
// text) would let a value smuggle lines into the request.
bool HasControlBytes(std::string_view text, std::string_view allowed = {}) {
  for (char c : text) {
    unsigned char b = static_cast<unsigned char>(c);
    if ((b < 0x20 || b == 0x7F) && allowed.find(c) == std::string_view::npos) return true;
  }
  return false;
}

bool IsHostName(std::string_view host) {
  if (host.empty()) return false;
  for (char c : host) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
    if (!ok) return false;
  }
  return true;
}

// The path as a request target: bytes a request line cannot carry (space,
// control and non-ASCII bytes) are percent-escaped, the rest goes verbatim.
std::string RequestTarget(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : path) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F) {
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() &&
         ToLowerAscii(line.substr(0, prefix.size())) == ToLowerAscii(prefix);
}

// The header text as curl's list, one entry per line, plus entries that
// keep curl from adding lines of its own.
Slist HeaderList(std::string_view text, bool isGet, bool hasBody, bool viaProxy) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  auto present = [&](std::string_view name) {
    for (const std::string& line : lines)
      if (StartsWithNoCase(line, name)) return true;
    return false;
  };
  std::vector<std::string> removals;
  if (!present("Accept:")) removals.emplace_back("Accept:");
  removals.emplace_back("Expect:");
  if (!isGet && !hasBody) {
    if (!present("Content-Type:")) removals.emplace_back("Content-Type:");
    if (!present("Content-Length:")) removals.emplace_back("Content-Length:");
  }
  if (viaProxy && !present("Proxy-Connection:")) removals.emplace_back("Proxy-Connection:");

  Slist list;
  for (const auto* group : {&lines, &removals}) {
    for (const std::string& line : *group) {
      curl_slist* grown = curl_slist_append(list.get(), line.c_str());
      if (!grown) return Slist();
      (void)list.release();
      list.reset(grown);
    }
  }
  return list;
}

}  // namespace

std::string HttpRequest(std::string_view url, std::string_view method,
                        const std::optional<std::string>& proxy, std::string_view extraHeaders,
                        std::string_view body, std::string* rawHeaders) {
  if (rawHeaders) rawHeaders->clear();
  const std::string host = UrlHost(url);
  int port = UrlPort(url);
  if (port == 0) port = 80;  // like the platform library: no port means the default one
  if (!GlobalInit() || !IsHostName(host) || port > 65535 || HasControlBytes(url) ||
      HasControlBytes(extraHeaders, "\r\n\t") || (proxy && (proxy->empty() || HasControlBytes(*proxy)))) {
    return std::string();
  }
  const bool isGet = ToUpperAscii(method) != "POST";
  const std::string verb = isGet ? std::string("GET") : std::string(method);
  const std::string origin = "http://" + host + ":" + std::to_string(port);
  // Through a proxy the request line carries the absolute URL.
  const std::string absolute = port == 80 ? "http://" + host : origin;
  const std::string target = (proxy ? absolute : std::string()) + RequestTarget(UrlPath(url));
  const std::string headerText = CompleteHeaderText(url, extraHeaders, isGet, body);

  Slist headers = HeaderList(headerText, isGet, !body.empty(), proxy.has_value());
  Multi multi(curl_multi_init());
  Easy easy(curl_easy_init());
  if (!headers || !multi || !easy) return std::string();

  Transfer transfer;
  CURL* h = easy.get();
  curl_easy_setopt(h, CURLOPT_URL, (origin + "/").c_str());
  curl_easy_setopt(h, CURLOPT_REQUEST_TARGET, target.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_USERAGENT, kUserAgent);
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
  if (proxy) {
    curl_easy_setopt(h, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
    curl_easy_setopt(h, CURLOPT_PROXY, proxy->c_str());
    curl_easy_setopt(h, CURLOPT_NOPROXY, "");  // no exceptions from the environment either
  } else {
    curl_easy_setopt(h, CURLOPT_PROXY, "");  // ignore http_proxy and friends
  }
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
  if (isGet) {
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
  } else {
    curl_easy_setopt(h, CURLOPT_POST, 1L);
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, verb.c_str());
  }
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(h, CURLOPT_PREREQFUNCTION, OnConnected);
  curl_easy_setopt(h, CURLOPT_PREREQDATA, &transfer);

  std::string response;
  {
    Attachment attachment(multi.get(), h);
    if (!attachment.ok()) return std::string();
    curl_off_t sent = 0;
    int running = 1;
    while (true) {
      if (curl_multi_perform(multi.get(), &running) != CURLM_OK) break;
      // Hand on what arrived in pieces, letting the window work in between.
      for (size_t at = 0; at < transfer.pending.size(); at += kPieceSize) {
        PumpEvents();
        response.append(transfer.pending, at, kPieceSize);
      }
      transfer.pending.clear();
      if (!running) break;
      curl_off_t nowSent = 0;
      if (curl_easy_getinfo(h, CURLINFO_SIZE_UPLOAD_T, &nowSent) == CURLE_OK && nowSent != sent) {
        sent = nowSent;
        transfer.lastActivity = Clock::now();
      }
      // Once connected, a silence of the full time-out in both directions ends it.
      if (transfer.connected && Clock::now() - transfer.lastActivity > kIdleTimeout) break;
      if (curl_multi_poll(multi.get(), nullptr, 0, kWaitMs, nullptr) != CURLM_OK) break;
      PumpEvents();
    }
  }
  // The whole header block is handed back, however long it is.
  if (rawHeaders) *rawHeaders = transfer.headers;
  if (size_t zero = response.find('\0'); zero != std::string::npos) response.resize(zero);
  return response;
}

}  // namespace kestara
