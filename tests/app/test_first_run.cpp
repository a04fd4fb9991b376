// The first start in a working directory leaves the marker and greets.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "app/welcome_text.h"
#include "build_config.h"
#include "tests/app/app_test.h"
#include "translate/code_page.h"

namespace kestara::testing {
namespace {

bool Exists(const char* path) {
  std::ifstream in(path);
  return in.good();
}

TEST(FirstRun, WritesTheMarkerAndShowsTheWelcomeOnce) {
  ASSERT_FALSE(Exists("pendrix.ini"));
  LoadForm(MainWindowForm(), false);
  ASSERT_TRUE(WaitFor([] { return IsFormLoaded(kPopup); }, 5000));
  EXPECT_EQ(OpacityOf(kMainWindow), 255);  // after the fade-in
  EXPECT_EQ(FileBytes("pendrix.ini"), std::string("Tavrilo - ") + kMakerHomeUrl);
  EXPECT_EQ(TextOf(P("标题内容")), Local("欢迎使用"));
  EXPECT_EQ(TextOf(P("公告内容")), "\r\n" + WelcomeText() + Local("\r\n点击查看进入Kestara"));
  EXPECT_EQ(GetProp(P("网址"), Prop::LinkTarget).Text(), kForumHomeUrl);
  EXPECT_EQ(GetProp(P("自动关闭"), Prop::TimerPeriod).Number(), 10000);
}

TEST(FirstRun, LaterStartsDoNotGreetAndLeaveTheMarkerAlone) {
  { std::ofstream("pendrix.ini") << "older marker"; }
  LoadForm(MainWindowForm(), false);
  ASSERT_TRUE(WaitFor([] { return OpacityOf(kMainWindow) == 255; }, 5000));
  Settle(300);
  EXPECT_FALSE(IsFormLoaded(kPopup));
  EXPECT_EQ(FileBytes("pendrix.ini"), "older marker");
}

TEST(FirstRun, ADirectoryOfThatNameCountsAsTheMarker) {
  ASSERT_EQ(mkdir("pendrix.ini", 0755), 0);
  LoadForm(MainWindowForm(), false);
  ASSERT_TRUE(WaitFor([] { return OpacityOf(kMainWindow) == 255; }, 5000));
  Settle(300);
  EXPECT_FALSE(IsFormLoaded(kPopup));
}

TEST(FirstRun, AnUnwritableDirectoryGreetsEveryTime) {
  // Nobody, not even root, can create a file in /proc.
  ASSERT_EQ(chdir("/proc"), 0);
  LoadForm(MainWindowForm(), false);
  ASSERT_TRUE(WaitFor([] { return IsFormLoaded(kPopup); }, 5000));
  EXPECT_FALSE(Exists("/proc/pendrix.ini"));
}

TEST(FirstRunDeathTest, MainWindowClosedWhileThePopupRises) {
  EXPECT_EXIT(
      {
        LoadForm(MainWindowForm(), false);
        WaitFor([] { return IsFormLoaded(kPopup); }, 5000);
        Later(200, [] { PressEscape(M("编辑框1")); });
        Later(500, [] { PressEscape(WindowOf(kPopup)); });
        QuitTest(RunEventLoop() == 0 && !IsFormLoaded(kPopup) ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kestara::testing
