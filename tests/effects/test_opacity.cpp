// Whole-window opacity and the fades, watched on the X server.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "effects/effects.h"
#include "tests/effects/desktop.h"

namespace kestara {
namespace {

using namespace testing;

constexpr int kMarkerAlpha = 3;

// Follows every change of the window's opacity property.
class OpacitySpy {
 public:
  explicit OpacitySpy(unsigned long window) {
    process_.start("xprop", {"-spy", "-id", QString::number(window), "-notype", "_NET_WM_WINDOW_OPACITY"});
  }
  ~OpacitySpy() {
    process_.kill();
    process_.waitForFinished(2000);
  }
  OpacitySpy(const OpacitySpy&) = delete;
  OpacitySpy& operator=(const OpacitySpy&) = delete;

  // True once the spy reports changes: xprop prints the current state
  // before it starts listening, so the window is poked with a marker
  // opacity until a change comes through.
  bool Listening(const Control& window) {
    for (int i = 0; i < 50 && !process_.canReadLine(); ++i) {
      process_.waitForReadyRead(100);
    }
    process_.readAll();
    for (int poke = 0; poke < 20; ++poke) {
      SetWindowAlpha(window, kMarkerAlpha);
      if (process_.waitForReadyRead(250)) {
        process_.readAll();
        return true;
      }
    }
    return false;
  }

  // The values seen since Listening(), in order, once the spy has been
  // quiet for a while.
  std::vector<long long> Changes() {
    QByteArray out;
    for (int i = 0; i < 100; ++i) {
      out += process_.readAllStandardOutput();
      if (!process_.waitForReadyRead(300)) {
        break;
      }
    }
    out += process_.readAllStandardOutput();
    std::vector<long long> values;
    bool leading = true;
    for (const QString& line : QString::fromLocal8Bit(out).split('\n', Qt::SkipEmptyParts)) {
      const int equals = line.indexOf('=');
      if (equals < 0) {
        continue;
      }
      const long long value = line.mid(equals + 1).trimmed().toLongLong();
      // A late echo of the last marker poke is not a change of the test's.
      if (leading && value == OpacityValue(kMarkerAlpha)) {
        continue;
      }
      leading = false;
      values.push_back(value);
    }
    return values;
  }

 private:
  QProcess process_;
};

class OpacityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = PlainForm("opacity_test", 160, 90, SolidPicture(160, 90, Qt::green));
    ControlDef timer;
    timer.name = "时钟1";
    timer.kind = Kind::Timer;
    timer.onTimer = [] {
      if (interfere) {
        SetWindowAlpha(WindowOf("opacity_test"), 77);
      }
    };
    form_.controls.push_back(timer);
    LoadForm(form_);
    RunEventsFor(200);
    xwindow_ = XWindowOf(window_);
    ASSERT_NE(xwindow_, 0u);
  }
  void TearDown() override {
    interfere = false;
    DestroyForm(form_.name);
    PumpEvents();
  }

  static inline bool interfere = false;
  FormDef form_;
  Control window_ = WindowOf("opacity_test");
  unsigned long xwindow_ = 0;
};

TEST_F(OpacityTest, AlphaIsTheWindowOpacityProperty) {
  for (const int alpha : {1, 0, 128, 254, 255, 10, 255}) {
    SetWindowAlpha(window_, alpha);
    EXPECT_EQ(XOpacity(xwindow_), OpacityValue(alpha)) << alpha;
  }
  EXPECT_EQ(OpacityValue(255), 0xFFFFFFFFLL);
  // Fully transparent leaves the window there.
  SetWindowAlpha(window_, 0);
  PumpEvents();
  EXPECT_TRUE(IsFormLoaded("opacity_test"));
  EXPECT_TRUE(GetProp(window_, Prop::Visible).Flag());
  SetWindowAlpha(window_, 200);
  EXPECT_EQ(XOpacity(xwindow_), OpacityValue(200));
  // Out-of-range values do not wrap around.
  SetWindowAlpha(window_, 300);
  EXPECT_EQ(XOpacity(xwindow_), OpacityValue(255));
  SetWindowAlpha(window_, -4);
  EXPECT_EQ(XOpacity(xwindow_), OpacityValue(0));
}

TEST_F(OpacityTest, GoneWindowChangesNothing) {
  DestroyForm(form_.name);
  PumpEvents();
  SetWindowAlpha(window_, 100);
  FadeIn(window_, 2, 10);
  SUCCEED();
}

TEST_F(OpacityTest, FadeInStepsUpToOpaque) {
  SetWindowAlpha(window_, 1);
  OpacitySpy spy(xwindow_);
  ASSERT_TRUE(spy.Listening(window_));
  FadeIn(window_);
  std::vector<long long> expected;
  for (int i = 1; i <= 25; ++i) {
    expected.push_back(OpacityValue(i * 10));
  }
  expected.push_back(OpacityValue(255));
  EXPECT_EQ(spy.Changes(), expected);
  EXPECT_EQ(XOpacity(xwindow_), 0xFFFFFFFFLL);
}

TEST_F(OpacityTest, FadeInTakesItsStepsAndPause) {
  OpacitySpy spy(xwindow_);
  ASSERT_TRUE(spy.Listening(window_));
  QElapsedTimer clock;
  clock.start();
  FadeIn(window_, 3, 200);
  EXPECT_GE(clock.elapsed(), 600);
  const std::vector<long long> expected = {OpacityValue(10), OpacityValue(20), OpacityValue(30), OpacityValue(255)};
  EXPECT_EQ(spy.Changes(), expected);
}

TEST_F(OpacityTest, FadeInEndsOpaqueWhateverHandlersDid) {
  OpacitySpy spy(xwindow_);
  ASSERT_TRUE(spy.Listening(window_));
  interfere = true;
  SetProp(Control{"opacity_test", "时钟1"}, Prop::TimerPeriod, 70);
  FadeIn(window_);
  interfere = false;
  SetProp(Control{"opacity_test", "时钟1"}, Prop::TimerPeriod, 0);
  const std::vector<long long> changes = spy.Changes();
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), 0xFFFFFFFFLL);
  // The handler did run in the middle of the fade.
  EXPECT_NE(std::find(changes.begin(), changes.end(), OpacityValue(77)), changes.end());
  EXPECT_EQ(XOpacity(xwindow_), 0xFFFFFFFFLL);
}

// --- FadeOutAndExit, in a process of its own ---

std::string g_logPath;

void Log(const char* line) {
  std::ofstream(g_logPath, std::ios::app) << line << "\n";
}

std::string ReadLog() {
  std::ifstream in(g_logPath);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The child process runs the fixture again: it finds the log of its
// parent in the environment.
class FadeOutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* inherited = std::getenv("KESTARA_FADE_LOG")) {
      g_logPath = inherited;
      return;
    }
    g_logPath = dir_.filePath("log").toStdString();
    ::setenv("KESTARA_FADE_LOG", g_logPath.c_str(), 1);
  }
  void TearDown() override { ::unsetenv("KESTARA_FADE_LOG"); }
  QTemporaryDir dir_;
};

void FadeOutProgram(bool nested) {
  FormDef form = PlainForm("fade_out", 120, 60, SolidPicture(120, 60, Qt::yellow));
  ControlDef timer;
  timer.name = "时钟1";
  timer.kind = Kind::Timer;
  timer.onTimer = [] {
    SetProp(Control{"fade_out", "时钟1"}, Prop::TimerPeriod, 0);
    Log("second fade-out");
    FadeOutAndExit(WindowOf("fade_out"));
  };
  form.controls.push_back(timer);
  SetExitHandler([] { Log("exit handler"); });
  LoadForm(form);
  if (nested) {
    SetProp(Control{"fade_out", "时钟1"}, Prop::TimerPeriod, 300);
  }
  FadeOutAndExit(WindowOf("fade_out"));
  Log("after the fade-out");
}

TEST_F(FadeOutTest, EndsTheProgramWithCodeZero) {
  EXPECT_EXIT(FadeOutProgram(false), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadLog(), "exit handler\n");
}

TEST_F(FadeOutTest, NestedFadeOutEndsTheProgramOnce) {
  EXPECT_EXIT(FadeOutProgram(true), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadLog(), "second fade-out\nexit handler\n");
}

OpacitySpy* g_spy = nullptr;

// The exit handler writes down the opacities the window went through.
void FadeOutWatched() {
  FormDef form = PlainForm("fade_out", 120, 60, SolidPicture(120, 60, Qt::yellow));
  LoadForm(form);
  RunEventsFor(200);
  g_spy = new OpacitySpy(XWindowOf(WindowOf("fade_out")));
  if (!g_spy->Listening(WindowOf("fade_out"))) {
    std::_Exit(3);
  }
  SetExitHandler([] {
    std::string line;
    for (const long long value : g_spy->Changes()) {
      line += std::to_string(value * 255 / 0xFFFFFFFFLL) + " ";
    }
    Log(line.c_str());
  });
  FadeOutAndExit(WindowOf("fade_out"));
}

TEST_F(FadeOutTest, StepsDownToOneBeforeTheEnd) {
  EXPECT_EXIT(FadeOutWatched(), ::testing::ExitedWithCode(0), "");
  std::string expected;
  for (int i = 1; i <= 25; ++i) {
    expected += std::to_string(255 - i * 10) + " ";
  }
  expected += "1 \n";
  EXPECT_EQ(ReadLog(), expected);
}

}  // namespace
}  // namespace kestara
