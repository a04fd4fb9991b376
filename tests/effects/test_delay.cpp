// The cooperative delay: events go on being handled while it waits.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <vector>

#include "effects/delay.h"
#include "tests/effects/desktop.h"

namespace kestara {
namespace {

using namespace testing;

QElapsedTimer g_clock;
std::vector<std::pair<std::string, qint64>> g_events;

void Note(const std::string& what) { g_events.emplace_back(what, g_clock.elapsed()); }

qint64 TimeOf(const std::string& what) {
  for (const auto& [name, time] : g_events) {
    if (name == what) {
      return time;
    }
  }
  return -1;
}

class DelayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events.clear();
    g_clock.start();
    FormDef form = PlainForm("delay_test", 200, 100, SolidPicture(200, 100, Qt::gray));
    ControlDef button = fixtures::MakeControl("按钮1", Kind::Button, 50, 30, 100, 40, "click");
    button.onClick = [] { Note("click"); };
    form.controls.push_back(button);
    ControlDef timer;
    timer.name = "时钟1";
    timer.kind = Kind::Timer;
    timer.onTimer = [] {
      SetProp(Control{"delay_test", "时钟1"}, Prop::TimerPeriod, 0);
      Note("inner start");
      Delay(300);
      Note("inner end");
    };
    form.controls.push_back(timer);
    LoadForm(form);
    RunEventsFor(300);
  }
  void TearDown() override {
    DestroyForm("delay_test");
    PumpEvents();
  }
};

TEST_F(DelayTest, ClickDuringTheWaitIsHandledAndTheWaitKeepsItsDueTime) {
  const QPoint button = ScreenPositionOf(Control{"delay_test", "按钮1"}) + QPoint(50, 20);
  // The click arrives from outside, 400 ms into a 1000 ms wait.
  QProcess clicker;
  clicker.start("sh", {"-c", QString("sleep 0.4; xdotool mousemove %1 %2 click 1").arg(button.x()).arg(button.y())});
  ASSERT_TRUE(clicker.waitForStarted(5000));
  const qint64 start = g_clock.elapsed();
  Delay(1000);
  const qint64 end = g_clock.elapsed();
  clicker.waitForFinished(5000);
  const qint64 click = TimeOf("click");
  ASSERT_GE(click, 0) << "the click was not handled during the wait";
  EXPECT_GE(end - start, 1000);
  // Handled at once, and the wait did not start over after it.
  EXPECT_LT(click, end);
  EXPECT_LT(end - click, 1000);
}

TEST_F(DelayTest, NestedDelayEndsFirstAndTheOuterOneGoesOn) {
  SetProp(Control{"delay_test", "时钟1"}, Prop::TimerPeriod, 100);
  const qint64 start = g_clock.elapsed();
  Delay(600);
  const qint64 end = g_clock.elapsed();
  const qint64 innerStart = TimeOf("inner start");
  const qint64 innerEnd = TimeOf("inner end");
  ASSERT_GE(innerStart, 0);
  ASSERT_GE(innerEnd, 0);
  EXPECT_GE(innerEnd - innerStart, 300);
  EXPECT_LE(innerEnd, end);
  EXPECT_GE(end - start, 600);
}

TEST(DelayUnits, AmountAndUnitMakeThePause) {
  const struct {
    int amount;
    int unit;
    qint64 atLeastMs;
    qint64 atMostMs;  // only to tell the units apart
  } cases[] = {
      {120, 0, 120, 5000},  // milliseconds
      {5000, 1, 5, 2000},   // microseconds: 5 ms, not 5 s
      {1, 2, 1000, 30000},  // seconds: 1000 waits of 1 ms each
      {0, 0, 0, 1000},      {-50, 0, 0, 1000}, {0, 5, 0, 1000}, {-1, 3, 0, 1000},
  };
  for (const auto& c : cases) {
    QElapsedTimer clock;
    clock.start();
    Delay(c.amount, c.unit);
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, c.atLeastMs) << c.amount << " unit " << c.unit;
    EXPECT_LE(elapsed, c.atMostMs) << c.amount << " unit " << c.unit;
  }
}

TEST(DelayUnits, WaitThatCannotBeMadeEnds) {
  // Once the application is quitting no event loop runs any more: the
  // delay must end rather than spin.
  EXPECT_EXIT(
      {
        QCoreApplication::exit(0);
        QElapsedTimer clock;
        clock.start();
        Delay(60000);
        Delay(5, 2);
        std::_Exit(clock.elapsed() < 10000 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kestara
