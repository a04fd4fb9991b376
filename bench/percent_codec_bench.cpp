// Speed of the percent codec against libcurl's escape and unescape on the
// same inputs: 1 MB of mixed GBK text to encode, a 10 MB page to decode.
// The summary at the end gives the ratios measured in this run.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "translate/code_page.h"
#include "translate/percent_codec.h"

namespace {

using kestara::Local;

const std::string& MixedLocalText() {
  static const std::string text = [] {
    const std::string sample = Local(
        "今天的天气很好，我们去公园散步吧。The quick brown fox jumps over the lazy dog, "
        "50% off & more! 翻译结果：“你好，世界”\r\n（全角括号）\t-_.~ email@example.com ");
    std::string t;
    while (t.size() < (1u << 20)) t += sample;
    t.resize(1u << 20);
    if (static_cast<unsigned char>(t.back()) >= 0x80) t.back() = 'x';
    return t;
  }();
  return text;
}

const std::string& ResultPage() {
  static const std::string page = [] {
    const std::string block =
        "<div class=\"entry\"><a href=\"/search?q=%E7%BF%BB%E8%AF%91&amp;keyfrom=fanyi.web\">"
        "翻译</a><p>有道翻译提供中英文互译服务，The service translates English and Chinese. "
        "例句：今天天气很好。</p><span>%E4%BD%A0%E5%A5%BD 100%25</span></div>\n";
    std::string p = "<html><head><meta charset=\"utf-8\"><title>有道翻译</title></head><body>\n";
    while (p.size() < 10u * (1u << 20)) p += block;
    p += "<textarea wrap=\"SOFT\" name=\"o\">今天的天气很好</textarea></p></body></html>\n";
    return p;
  }();
  return page;
}

struct CurlHandle {
  CURL* h = curl_easy_init();
  ~CurlHandle() { curl_easy_cleanup(h); }
};

void BM_PercentEncodeFormValue(benchmark::State& state) {
  const std::string& text = MixedLocalText();
  benchmark::DoNotOptimize(kestara::PercentEncodeFormValue("\xD6\xD0"));  // tables built
  for (auto _ : state) benchmark::DoNotOptimize(kestara::PercentEncodeFormValue(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_CurlEasyEscape(benchmark::State& state) {
  const std::string& text = MixedLocalText();
  CurlHandle curl;
  for (auto _ : state) {
    char* out = curl_easy_escape(curl.h, text.data(), static_cast<int>(text.size()));
    benchmark::DoNotOptimize(out);
    curl_free(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_PercentDecode(benchmark::State& state) {
  const std::string& page = ResultPage();
  benchmark::DoNotOptimize(kestara::PercentDecode("%E4%B8%AD"));  // tables built
  for (auto _ : state) benchmark::DoNotOptimize(kestara::PercentDecode(page));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

void BM_CurlEasyUnescape(benchmark::State& state) {
  const std::string& page = ResultPage();
  CurlHandle curl;
  for (auto _ : state) {
    int length = 0;
    char* out = curl_easy_unescape(curl.h, page.data(), static_cast<int>(page.size()), &length);
    benchmark::DoNotOptimize(out);
    curl_free(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

BENCHMARK(BM_PercentEncodeFormValue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurlEasyEscape)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PercentDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurlEasyUnescape)->Unit(benchmark::kMillisecond);

// Console output as usual, plus the time per iteration of every benchmark
// for the summary (CPU time: steadier than wall time on a shared machine):
// the median when repetitions are asked for, otherwise the
// run itself.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string& name = run.run_name.function_name;
      const double seconds = run.GetAdjustedCPUTime() / 1e3;  // ms -> s
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        seconds_[name] = seconds;
        medians_[name] = true;
      } else if (run.run_type == Run::RT_Iteration && !medians_[name]) {
        seconds_[name] = seconds;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintSummary() const {
    const double mib = 1 << 20;
    auto rate = [&](const char* name, double bytes) {
      auto it = seconds_.find(name);
      return it == seconds_.end() || it->second <= 0 ? 0.0 : bytes / mib / it->second;
    };
    const double text = static_cast<double>(MixedLocalText().size());
    const double page = static_cast<double>(ResultPage().size());
    const double encode = rate("BM_PercentEncodeFormValue", text);
    const double escape = rate("BM_CurlEasyEscape", text);
    const double decode = rate("BM_PercentDecode", page);
    const double unescape = rate("BM_CurlEasyUnescape", page);
    std::printf("\nsummary (MiB of input per CPU second)\n");
    std::printf("  encode   %8.1f   curl_easy_escape   %8.1f   ratio %.2fx (target >= 5)\n", encode,
                escape, escape > 0 ? encode / escape : 0.0);
    std::printf("  decode   %8.1f   curl_easy_unescape %8.1f   ratio %.2fx (target >= 1)\n", decode,
                unescape, unescape > 0 ? decode / unescape : 0.0);
  }

 private:
  std::map<std::string, double> seconds_;
  std::map<std::string, bool> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  curl_global_init(CURL_GLOBAL_DEFAULT);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  curl_global_cleanup();
  return 0;
}
