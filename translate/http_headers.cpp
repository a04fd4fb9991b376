// The header text of a request: the caller's lines and the default lines.
#include "translate/http_client.h"
#include "translate/local_text.h"

namespace kestara {

std::string CompleteHeaderText(std::string_view url, std::string_view headers, bool isGet,
                               std::string_view body) {
  std::string text(headers);
  // Each test sees the lines appended before it.
  if (FindFirstNoCase(text, "Accept: ") < 0) {
    text +=
        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
        "application/x-shockwave-flash, application/vnd.ms-excel, "
        "application/vnd.ms-powerpoint, application/msword, */*\r\n";
  }
  if (FindFirstNoCase(text, "Referer: ") < 0) {
    text += "Referer: ";
    text += url;
    text += "\r\n";
  }
  if (FindFirstNoCase(text, "Accept-Language: ") < 0) text += "Accept-Language: zh-cn\r\n";
  if (!isGet && !body.empty()) {
    text += "Content-Type: application/x-www-form-urlencoded\r\n";
    text += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  }
  return text;
}

}  // namespace kestara
