// The timed message box: filling, word wrap, sound, reuse and closing.
#include "app/main_window.h"
#include "popups/message_box.h"
#include "tests/app/app_test.h"
#include "toolkit/media.h"
#include "translate/code_page.h"

namespace kestara::testing {
namespace {

TEST(MessageBox, EmptyOrBlankSourceShowsTheMessageWhichClosesItself) {
  LoadMainWindowAndWait();
  for (const std::string& blank : {std::string(), std::string("   "), Local("\xE3\x80\x80 \xE3\x80\x80")}) {
    SetProp(M("编辑框1"), Prop::Text, blank);
    SetProp(M("编辑框2"), Prop::Text, "previous");
    ClickOn(M("按钮1"));
    ASSERT_TRUE(IsFormLoaded(kMessageBox));
    EXPECT_EQ(TextOf(B("信息内容")),
              Local("Hi,亲爱的网友:很高兴见到你!\r\n\r\n貌似你还没有输入需要翻译的内容,叫我怎么翻译呀?"));
    EXPECT_EQ(TextOf(B("标题内容")), Local(" 出错啦"));
    EXPECT_EQ(GetProp(B("时钟1"), Prop::TimerPeriod).Number(), 5000);
    EXPECT_TRUE(GetProp(B("信息内容"), Prop::WordWrap).Flag());
    EXPECT_TRUE(VisibleOf(WindowOf(kMessageBox)));
    EXPECT_EQ(TextOf(M("编辑框2")), "previous");
    EXPECT_FALSE(DisabledOf(M("按钮1")));
    DestroyForm(kMessageBox);
    ASSERT_TRUE(WaitFor([] { return !IsFormLoaded(kMessageBox); }, 1000));
  }
  SetProp(M("编辑框1"), Prop::Text, " ");
  ClickOn(M("按钮1"));
  EXPECT_FALSE(WaitFor([] { return !IsFormLoaded(kMessageBox); }, 4500));
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kMessageBox); }, 1500));
  EXPECT_TRUE(IsFormLoaded(kMainWindow));
}

TEST(MessageBox, WordWrapFollowsLengthAndLineBreaks) {
  struct Case {
    std::string text;
    bool wrapped;
  };
  std::string chinese;
  for (int i = 0; i < 24; ++i) chinese += Local("中");
  ASSERT_EQ(chinese.size(), 48u);
  const std::vector<Case> cases = {
      {std::string(47, 'x'), false}, {std::string(48, 'x'), true}, {"one\r\ntwo", true},
      {"one\ntwo", false},          {chinese, true},                {"", false},
  };
  MarkNotFirstRun();
  for (const Case& c : cases) {
    ShowMessageBox(c.text);
    EXPECT_EQ(GetProp(B("信息内容"), Prop::WordWrap).Flag(), c.wrapped) << c.text.size();
    EXPECT_EQ(TextOf(B("信息内容")), c.text);
  }
}

TEST(MessageBox, SecondCallReusesTheBoxAndKeepsTheCountdown) {
  MarkNotFirstRun();
  ShowMessageBox("first", "Title", 2);
  const Handle handle = WindowHandle(WindowOf(kMessageBox));
  Settle(1200);
  ShowMessageBox("second", "", 2);
  EXPECT_EQ(WindowHandle(WindowOf(kMessageBox)), handle);
  EXPECT_EQ(TextOf(B("标题内容")), "Title");  // an empty title keeps the old one
  EXPECT_EQ(TextOf(B("信息内容")), "second");
  // The same period does not restart the timer: it closes about 2 s after the first call.
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kMessageBox); }, 1500));
}

TEST(MessageBox, NoSecondsMeansNoAutomaticClose) {
  MarkNotFirstRun();
  ShowMessageBox("stays");
  EXPECT_EQ(GetProp(B("时钟1"), Prop::TimerPeriod).Number(), 0);
  Settle(300);
  EXPECT_TRUE(IsFormLoaded(kMessageBox));
}

TEST(MessageBox, EitherButtonOrEscapeCloses) {
  MarkNotFirstRun();
  for (int way = 0; way < 3; ++way) {
    ShowMessageBox("close me");
    ASSERT_TRUE(WaitFor([] { return VisibleOf(WindowOf(kMessageBox)); }, 1000));
    if (way == 0) ClickOn(B("图形按钮1"));
    if (way == 1) ClickOn(B("图形按钮2"));
    if (way == 2) PressEscape(WindowOf(kMessageBox));
    EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kMessageBox); }, 1000)) << way;
  }
}

TEST(MessageBox, AlertSoundRules) {
  MarkNotFirstRun();
  ReleaseAlertSound();
  ShowMessageBox("built-in");
  EXPECT_EQ(g_alertSound, Media("alert.wav"));
  EXPECT_EQ(g_alertSound.size(), 6947u);
  const Bytes custom = std::string("RIFF\x04\x00\x00\x00WAVE", 12);
  ShowMessageBox("custom", "", 0, false, custom);
  EXPECT_EQ(g_alertSound, custom);
  ShowMessageBox("later");
  EXPECT_EQ(g_alertSound, custom);  // a custom sound stays for every later box
}

}  // namespace
}  // namespace kestara::testing
