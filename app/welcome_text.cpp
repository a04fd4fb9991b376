#include "app/welcome_text.h"

#include "build_config.h"
#include "translate/code_page.h"

namespace kestara {

std::string WelcomeText() {
  std::string text = Local("欢迎使用Kestara专版智能英汉互译工具\r\n\r\n我们的宗旨：快速、稳定压倒一切\r\n\r\n");
  text += "Kestara:";
  text += kForumHomeUrl;
  text += "\r\n\r\nTavrilo:";
  text += kMakerHomeUrl;
  text += "\r\n";
  return text;
}

}  // namespace kestara
