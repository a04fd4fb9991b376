// The notification popup with real timers: rise, blink, rest, fade-out,
// drop and second rise, link.
#include <QElapsedTimer>
#include <map>

#include "popups/notification.h"
#include "tests/app/app_test.h"

namespace kestara::testing {
namespace {

struct Sample {
  qint64 ms;
  std::int64_t top;
  int opacity;
  int blinks;
};

// Records every change of the popup's place, opacity or blink count.
class Recorder {
 public:
  Recorder() {
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, [this] { Take(); });
    timer_.start(3);
  }
  void Take() {
    if (!IsFormLoaded(kPopup)) return;
    Sample s{clock_.elapsed(), GetProp(WindowOf(kPopup), Prop::Top).Number(), OpacityOf(kPopup),
             g_trayBlinkCount};
    if (samples.empty() || s.top != samples.back().top || s.opacity != samples.back().opacity ||
        s.blinks != samples.back().blinks) {
      samples.push_back(s);
    }
  }
  std::vector<std::int64_t> Tops() const {
    std::vector<std::int64_t> tops;
    for (const Sample& s : samples)
      if (tops.empty() || tops.back() != s.top) tops.push_back(s.top);
    return tops;
  }
  std::vector<Sample> samples;

 private:
  QElapsedTimer clock_;
  QTimer timer_;
};

void Show(int seconds) {
  ShowNotification("Title", "Content", "http://link.example/", 0, 0, "", 0, seconds);
}

TEST(Notification, RisesSixteenStepsAndRestsAboveTheBottomEdge) {
  MarkNotFirstRun();
  const int screen = ScreenHeight();
  Recorder recorder;
  Show(0);
  EXPECT_EQ(GetProp(WindowOf(kPopup), Prop::Top).Number(), screen);
  EXPECT_EQ(GetProp(WindowOf(kPopup), Prop::Left).Number(), ScreenWidth() - 325);
  ASSERT_TRUE(WaitFor([] { return GetProp(P("时钟1"), Prop::TimerPeriod).Number() == 150; }, 1000));
  ASSERT_TRUE(WaitFor([] { return GetProp(P("时钟1"), Prop::TimerPeriod).Number() == 0; }, 5000));
  Settle(100);
  EXPECT_EQ(GetProp(WindowOf(kPopup), Prop::Top).Number(), screen - 288);
  EXPECT_EQ(OpacityOf(kPopup), 150);
  EXPECT_EQ(g_popupAlpha, 160);
  EXPECT_EQ(GetProp(P("时钟3"), Prop::TimerPeriod).Number(), 0);
  EXPECT_TRUE(GetProp(WindowOf(kPopup), Prop::AlwaysOnTop).Flag());
  EXPECT_EQ(g_trayBlinkCount, 3);  // speaker, blank, speaker during the rise

  const std::vector<std::int64_t> tops = recorder.Tops();
  ASSERT_EQ(tops.size(), 17u);
  for (size_t i = 0; i < tops.size(); ++i) EXPECT_EQ(tops[i], screen - 18 * static_cast<int>(i)) << i;

  qint64 firstStep = -1, lastStep = -1;
  for (const Sample& s : recorder.samples) {
    if (s.top == screen - 18 && firstStep < 0) firstStep = s.ms;
    if (s.top == screen - 288 && lastStep < 0) lastStep = s.ms;
  }
  EXPECT_GE(firstStep, 200);
  EXPECT_LE(firstStep, 700);
  EXPECT_GE(lastStep, 2300);
  EXPECT_LE(lastStep, 3500);

  // Opacity 0 at the first step, then up in tens (the last value seen at each place).
  std::map<std::int64_t, int> opacityAt;
  for (const Sample& s : recorder.samples) opacityAt[s.top] = s.opacity;
  for (int k = 1; k < 16; ++k) EXPECT_EQ(opacityAt[screen - 18 * k], 10 * (k - 1)) << k;
}

TEST(Notification, MouseMovementMakesItOpaque) {
  MarkNotFirstRun();
  Show(0);
  ASSERT_TRUE(WaitFor([] { return g_popupAlpha == 160; }, 5000));
  Settle(50);
  EXPECT_EQ(OpacityOf(kPopup), 150);
  QTest::mouseMove(WidgetOf(P("公告内容")), QPoint(20, 20));
  QTest::mouseMove(WidgetOf(WindowOf(kPopup)), QPoint(30, 30));
  EXPECT_TRUE(WaitFor([] { return OpacityOf(kPopup) == 255; }, 500));
}

TEST(Notification, AutomaticCloseFadesOutAndDestroys) {
  MarkNotFirstRun();
  Recorder recorder;
  Show(3);
  EXPECT_EQ(GetProp(P("自动关闭"), Prop::TimerPeriod).Number(), 3000);
  ASSERT_TRUE(WaitFor([] { return GetProp(P("时钟4"), Prop::TimerPeriod).Number() == 100; }, 4000));
  const size_t fadeStart = recorder.samples.size();
  ASSERT_TRUE(WaitFor([] { return !IsFormLoaded(kPopup); }, 2500));
  std::vector<int> opacities;
  for (size_t i = fadeStart; i < recorder.samples.size(); ++i) {
    if (opacities.empty() || opacities.back() != recorder.samples[i].opacity)
      opacities.push_back(recorder.samples[i].opacity);
  }
  std::vector<int> expected;
  for (int step = 0; step <= 24; step += 2) expected.push_back(255 - step * 10);
  if (!opacities.empty() && opacities.front() == 150) opacities.erase(opacities.begin());
  if (!opacities.empty() && opacities.back() == 0) opacities.pop_back();
  EXPECT_EQ(opacities, expected);
  EXPECT_EQ(g_fadeOutStep, 26);
}

TEST(Notification, CloseDuringTheRiseStillEndsDestroyed) {
  MarkNotFirstRun();
  Show(0);
  Later(900, [] { ClickOn(P("关闭")); });
  ASSERT_TRUE(WaitFor([] { return GetProp(P("时钟4"), Prop::TimerPeriod).Number() == 100; }, 2000));
  EXPECT_GT(GetProp(P("时钟1"), Prop::TimerPeriod).Number(), 0);  // the rise goes on meanwhile
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kPopup); }, 2500));
}

TEST(Notification, CloseGlyphAndEscapeClose) {
  MarkNotFirstRun();
  Show(0);
  ClickOn(P("图形按钮1"));
  EXPECT_EQ(GetProp(P("时钟4"), Prop::TimerPeriod).Number(), 100);
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kPopup); }, 2500));
  Show(0);
  PressEscape(WindowOf(kPopup));
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kPopup); }, 1000));
}

TEST(Notification, DropAndSecondRiseContinueTheBlinkCount) {
  MarkNotFirstRun();
  const int screen = ScreenHeight();
  Show(0);
  ASSERT_TRUE(WaitFor([] { return g_popupAlpha == 160; }, 5000));
  ASSERT_EQ(g_trayBlinkCount, 3);
  ClickOn(P("图形按钮3"));
  EXPECT_EQ(GetProp(WindowOf(kPopup), Prop::Top).Number(), screen);
  EXPECT_EQ(g_popupAlpha, 0);
  EXPECT_FALSE(GetProp(WindowOf(kPopup), Prop::AlwaysOnTop).Flag());
  ASSERT_TRUE(WaitFor([] { return g_popupAlpha == 160; }, 5000));
  Settle(50);
  EXPECT_EQ(GetProp(WindowOf(kPopup), Prop::Top).Number(), screen - 288);
  EXPECT_EQ(g_trayBlinkCount, 6);
}

TEST(Notification, ViewOpensTheLinkAndDestroysAtOnce) {
  MarkNotFirstRun();
  Show(0);
  Settle(400);
  ClickOn(P("查看"));
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kPopup); }, 300));
  const std::vector<std::string> links = OpenedLinks();
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0], "http://link.example/");
}

TEST(Notification, OptionalArgumentsApplyOnlyWhenGiven) {
  MarkNotFirstRun();
  ShowNotification();
  EXPECT_FALSE(TextOf(P("公告内容")).empty());  // the form's own caption stays
  EXPECT_EQ(GetProp(P("公告内容"), Prop::TextColor).Number(), 0);
  EXPECT_EQ(GetProp(P("公告内容"), Prop::HorizontalAlignment).Number(), 0);
  EXPECT_EQ(GetProp(P("自动关闭"), Prop::TimerPeriod).Number(), 0);
  ShowNotification("", "text", "", 0x0000FF, 1, "Serif", 12, 0);
  EXPECT_EQ(TextOf(P("公告内容")), "text");
  EXPECT_EQ(GetProp(P("公告内容"), Prop::TextColor).Number(), 0x0000FF);
  EXPECT_EQ(GetProp(P("公告内容"), Prop::HorizontalAlignment).Number(), 1);
  EXPECT_EQ(GetProp(P("公告内容"), Prop::Font, kFontName).Text(), "Serif");
  EXPECT_EQ(GetProp(P("公告内容"), Prop::Font, kFontSize).Number(), 12);
}

TEST(Notification, InvalidCustomSoundIsHarmless) {
  MarkNotFirstRun();
  ShowNotification("t", "c", "", 0, 0, "", 0, 1, "not a wav at all");
  ASSERT_TRUE(WaitFor([] { return g_popupAlpha > 0; }, 2000));
  EXPECT_TRUE(WaitFor([] { return !IsFormLoaded(kPopup); }, 5000));
}

}  // namespace
}  // namespace kestara::testing

namespace kestara::testing {
namespace {

TEST(Notification, ABlinkOvertakenByTheEndOfTheRiseLeavesNoTrayIcon) {
  MarkNotFirstRun();
  Show(0);
  SetProp(P("时钟3"), Prop::TimerPeriod, 600);
  const int blinks = g_trayBlinkCount;
  // The last rise step runs inside the blink's own pump.
  Later(0, [] {
    SetProp(P("时钟3"), Prop::TimerPeriod, 0);
    SetTrayIcon(kPopup, Bytes());
  });
  OnBlinkTick();
  EXPECT_EQ(g_trayBlinkCount, blinks);
}

}  // namespace
}  // namespace kestara::testing
