// Splitting a URL into host, port and path.
#include <climits>

#include "translate/http_client.h"
#include "translate/local_text.h"

namespace kestara {
namespace {

struct HostPart {
  std::string_view host;  // may still carry ":port"
  size_t slash;           // the "/" that ends it, or npos
};

HostPart FindHostPart(std::string_view url) {
  size_t begin = 0;
  if (url.size() >= 7 && ToLowerAscii(url.substr(0, 7)) == "http://") begin = 7;
  size_t slash = url.find('/', begin);
  size_t end = slash == std::string_view::npos ? url.size() : slash;
  return HostPart{url.substr(begin, end - begin), slash};
}

}  // namespace

std::string UrlHost(std::string_view url) {
  std::string_view host = FindHostPart(url).host;
  host = host.substr(0, host.find(':'));
  return ToLowerAscii(host);
}

int UrlPort(std::string_view url) {
  std::string_view host = FindHostPart(url).host;
  size_t colon = host.find(':');
  if (colon == std::string_view::npos) return 80;
  // The leading decimal number; a fraction after it is cut off. Too large
  // a number stays at INT_MAX rather than wrapping.
  long long port = 0;
  for (size_t i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
    port = port * 10 + (host[i] - '0');
    if (port > INT_MAX) port = INT_MAX;
  }
  return static_cast<int>(port);
}

std::string UrlPath(std::string_view url) {
  HostPart part = FindHostPart(url);
  if (part.slash == std::string_view::npos) return "/";
  return std::string(url.substr(part.slash));
}

}  // namespace kestara
