#include "translate/translation.h"

#include <cstdint>

#include "translate/service_url.h"
#include "toolkit/toolkit.h"
#include "translate/http_client.h"
#include "translate/local_text.h"
#include "translate/percent_codec.h"

namespace kestara {
namespace {

// The main window's form name (the toolkit's form list is not part of the
// translation client).
constexpr char kMainWindowForm[] = "MainWindow";

constexpr char kFormPrefix[] = "ue=UTF-8&keyfrom=fanyi.web&o=&action=%E7%BF%BB%E8%AF%91";
constexpr char kResultStart[] = "wrap=\"SOFT\" name=\"o\">";
constexpr char kResultEnd[] = "</textarea></p>";
constexpr int kFatalBadDirection = 9;

Control MainWindowControl(const char* name) { return Control{kMainWindowForm, name}; }

}  // namespace

std::string ExtractBetween(std::string_view text, std::string_view start, std::string_view end,
                           bool keepMarkers) {
  const long long s = FindLast(text, start);
  const long long e = FindLast(text, end);
  const long long length = e - s + static_cast<long long>(end.size());
  const long long size = static_cast<long long>(text.size());
  if (s < 1 || s > size || length <= 0) return std::string();
  std::string part(text.substr(static_cast<size_t>(s - 1), static_cast<size_t>(length)));
  if (keepMarkers) return part;
  return ReplaceAll(ReplaceAll(part, start, ""), end, "");
}

void Translate() { Translate(ServiceUrl()); }

void Translate(const std::string& pageUrl) {
  std::string body = kFormPrefix;
  const std::int64_t direction =
      GetProp(MainWindowControl("组合框1"), Prop::CurrentSelection).Number() + 1;
  const char* code = nullptr;
  switch (direction) {
    case 1: code = "AUTO"; break;
    case 2: code = "EN2ZH_CN"; break;
    case 3: code = "ZH_CN2EN"; break;
    default: ReportFatalError(kFatalBadDirection);
  }
  body += "&type=";
  body += code;
  const std::string source = TrimSpaces(GetProp(MainWindowControl("编辑框1"), Prop::Text).Text());
  body += "&i=";
  body += PercentEncodeFormValue(source);

  const std::string page =
      HttpRequest(pageUrl, "POST", std::nullopt, "Referer: " + pageUrl + "\r\n", body);
  const std::string result = ExtractBetween(PercentDecode(page), kResultStart, kResultEnd);

  SetProp(MainWindowControl("编辑框2"), Prop::Text, Value(result));
  SetProp(MainWindowControl("标签3"), Prop::Visible, Value(false));
  SetProp(MainWindowControl("图片框1"), Prop::Visible, Value(false));
}

}  // namespace kestara
