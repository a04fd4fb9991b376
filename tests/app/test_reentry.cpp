// Handlers run inside pumps: windows closed, buttons clicked and timers
// fired in the middle of other handlers must not crash, must not write into
// a destroyed control and must not leave the process running with no window.
#include "app/main_window.h"
#include "popups/message_box.h"
#include "tests/app/app_test.h"
#include "tests/support/http_server.h"

namespace kestara::testing {
namespace {

using fixtures::Answer;
using fixtures::HttpServer;

// The exit handler must run exactly once: a second run changes the exit code.
void ReportRelease() {
  static int runs = 0;
  ReleaseAlertSound();
  if (++runs > 1) _exit(5);
  fprintf(stderr, "released\n");
}

TEST(ReentryDeathTest, EscapeDuringTheFadeInEndsTheProgram) {
  EXPECT_EXIT(
      {
        SetExitHandler(ReportRelease);
        MarkNotFirstRun();
        LoadForm(MainWindowForm(), false);
        Later(300, [] { PressEscape(M("编辑框1")); });
        WaitFor([] { return false; }, 4000);
        fprintf(stderr, "still running\n");
        QuitTest(3);
      },
      ::testing::ExitedWithCode(0), "released\n");
}

TEST(ReentryDeathTest, EscapeWhileTheAnswerIsReadEndsTheProgram) {
  EXPECT_EXIT(
      {
        HttpServer server(Answer::Trickle(std::string(4000, 'x'), 16, 30));
        SetServiceUrlForTests(server.Url("/translate"));
        SetExitHandler(ReportRelease);
        LoadMainWindowAndWait();
        Later(300, [] { PressEscape(M("编辑框2")); });
        ClickOn(M("按钮1"));
        fprintf(stderr, "translate returned\n");
        QuitTest(3);
      },
      ::testing::ExitedWithCode(0), "released\n");
}

TEST(ReentryDeathTest, MainWindowClosedWhileTheMessageBoxIsOpen) {
  EXPECT_EXIT(
      {
        SetExitHandler(ReportRelease);
        LoadMainWindowAndWait();
        SetProp(M("编辑框1"), Prop::Text, "");
        ClickOn(M("按钮1"));
        PressEscape(M("编辑框1"));
        WaitFor([] { return !IsFormLoaded(kMainWindow); }, 1000);
        if (IsFormLoaded(kMessageBox) && !IsFormLoaded(kMainWindow)) fprintf(stderr, "box alive\n");
        Later(100, [] { ClickOn(B("图形按钮1")); });
        QuitTest(RunEventLoop() == 0 ? 0 : 4);
      },
      ::testing::ExitedWithCode(0), "box alive\n(.*\n)*released\n");
}

TEST(Reentry, MessageBoxTimerFiringBetweenRepeatedCalls) {
  MarkNotFirstRun();
  LoadMainWindowAndWait();
  QTimer hammer;
  int calls = 0;
  QObject::connect(&hammer, &QTimer::timeout, [&calls] {
    ++calls;
    ShowMessageBox(std::to_string(calls), calls % 2 ? "odd" : "", calls % 3 == 0 ? 0 : 1);
  });
  hammer.start(7);
  Settle(2500);
  hammer.stop();
  EXPECT_GT(calls, 50);
  EXPECT_TRUE(IsFormLoaded(kMainWindow));
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kMessageBox); }, 1500) ||
              GetProp(B("时钟1"), Prop::TimerPeriod).Number() == 0);
}

}  // namespace
}  // namespace kestara::testing
