#include "app/first_run.h"

#include "app/welcome_text.h"
#include "build_config.h"
#include "popups/notification.h"
#include "toolkit/toolkit.h"
#include "translate/code_page.h"

namespace kestara {

void GreetOnFirstRun() {
  if (FileExists("pendrix.ini")) return;
  WriteBytesFile("pendrix.ini", std::string("Tavrilo - ") + kMakerHomeUrl);
  ShowNotification(Local("欢迎使用"), "\r\n" + WelcomeText() + Local("\r\n点击查看进入Kestara"),
                   kForumHomeUrl, 0, 0, "", 0, 10);
}

}  // namespace kestara
