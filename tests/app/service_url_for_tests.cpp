#include "tests/app/service_url_for_tests.h"

#include "translate/service_url.h"

namespace kestara {
namespace {
std::string& TestUrl() {
  static std::string url = "http://127.0.0.1:9/translate";
  return url;
}
}  // namespace

std::string ServiceUrl() { return TestUrl(); }

void testing::SetServiceUrlForTests(const std::string& url) { TestUrl() = url; }

}  // namespace kestara
