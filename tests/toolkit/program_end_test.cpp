// How the program ends: each case runs in a child process of its own.
#include <gmock/gmock.h>

#include <cstdio>

#include "tests/toolkit/toolkit_fixture.h"

namespace kestara::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

int g_exitHandlerRuns = 0;

void CountedExitHandler() {
  std::fprintf(stderr, "exit handler %d\n", ++g_exitHandlerRuns);
}

// A timer on a window whose tick handler is the case's action.
FormDef TickingForm(const std::string& name, Handler tick) {
  FormDef form = MakeForm(name);
  ControlDef timer = MakeControl("时钟1", Kind::Timer);
  timer.onTimer = tick;
  form.controls = {timer};
  return form;
}

void StartTicking(const std::string& name) { SetProp(Control{name, "时钟1"}, Prop::TimerPeriod, 10); }

const auto kOnce = AllOf(HasSubstr("exit handler 1"), Not(HasSubstr("exit handler 2")));

TEST(ProgramEnd, ExitProgramRunsTheExitHandlerOnceAndEndsWithTheCode) {
  EXPECT_EXIT(
      {
        SetExitHandler(&CountedExitHandler);
        LoadForm(TickingForm("Exit", +[] {
          std::fprintf(stderr, "tick\n");
          ExitProgram(7);
        }));
        StartTicking("Exit");
        WaitFor([] { return false; }, 3000);
        std::fprintf(stderr, "after\n");
        std::_Exit(1);
      },
      ::testing::ExitedWithCode(7), AllOf(kOnce, HasSubstr("tick"), Not(HasSubstr("after"))));
}

TEST(ProgramEnd, TheLoopReturnsWhenTheLastWindowCloses) {
  EXPECT_EXIT(
      {
        SetExitHandler(&CountedExitHandler);
        FormDef tool = TickingForm("NoTaskbar", +[] { DestroyForm("NoTaskbar"); });
        tool.inTaskbar = false;
        LoadForm(TickingForm("Main", +[] { DestroyForm("Main"); }));
        LoadForm(tool);
        StartTicking("NoTaskbar");
        SetProp(Control{"Main", "时钟1"}, Prop::TimerPeriod, 150);
        const int code = RunEventLoop();
        std::fprintf(stderr, "loop returned %d, loaded %d\n", code, IsFormLoaded("Main") || IsFormLoaded("NoTaskbar"));
        // A later ExitProgram does not run the handler again.
        ExitProgram(3);
      },
      ::testing::ExitedWithCode(3), AllOf(kOnce, HasSubstr("loop returned 0, loaded 0")));
}

TEST(ProgramEnd, LastWindowClosedInsideANestedPumpEndsTheProgram) {
  EXPECT_EXIT(
      {
        SetExitHandler(&CountedExitHandler);
        LoadForm(TickingForm("Fading", +[] {
          SetProp(Control{"Fading", "时钟1"}, Prop::TimerPeriod, 0);
          DestroyForm("Fading");  // as Esc during a fade would
          WaitFor([] { return false; }, 2000);
          std::fprintf(stderr, "handler resumed\n");
        }));
        StartTicking("Fading");
        RunEventLoop();
        std::fprintf(stderr, "loop returned\n");
        std::_Exit(1);
      },
      ::testing::ExitedWithCode(0), AllOf(kOnce, Not(HasSubstr("resumed")), Not(HasSubstr("loop returned"))));
}

TEST(ProgramEnd, TheLoopWithNoWindowReturnsAtOnce) {
  EXPECT_EXIT(
      {
        SetExitHandler(&CountedExitHandler);
        std::fprintf(stderr, "returned %d\n", RunEventLoop());
        std::_Exit(4);
      },
      ::testing::ExitedWithCode(4), AllOf(kOnce, HasSubstr("returned 0")));
}

TEST(ProgramEnd, FatalErrorNamesTheCodeAndExitsWithMinusOne) {
  EXPECT_EXIT(
      {
        SetExitHandler(&CountedExitHandler);
        LoadForm(MakeForm("Main"));
        ReportFatalError(9);
      },
      ::testing::ExitedWithCode(255), AllOf(kOnce, HasSubstr("Run-time error 9")));
}

}  // namespace
}  // namespace kestara::testing
