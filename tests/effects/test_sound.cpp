// Sound playback, heard at the monitor of a PulseAudio null sink. It runs
// with the desktop tests, one at a time: the sink is shared.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/toolkit/wav_builder.h"
#include "toolkit/toolkit.h"

namespace kestara {
namespace {

using testing::ToneWav;

constexpr int kRecordRate = 44100;  // the sink's own rate: no resampling

void RunEventsFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// Records the sink's monitor in a child process until Stop().
class Recorder {
 public:
  Recorder() {
    path_ = dir_.filePath("monitor.raw");
    process_.setStandardOutputFile(path_);
    const char* monitor = std::getenv("KESTARA_SINK_MONITOR");
    process_.start("parec", {"-d", monitor != nullptr ? monitor : "kestara_null.monitor", "--raw",
                             "--format=s16le", "--rate=" + QString::number(kRecordRate), "--channels=1",
                             "--latency-msec=20"});
  }
  ~Recorder() { Stop(); }
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  bool Started() {
    if (!process_.waitForStarted(5000)) {
      return false;
    }
    RunEventsFor(400);  // the stream connects
    return process_.state() == QProcess::Running;
  }

  // Lets events run until the recording covers `seconds` from its start;
  // the server may deliver the monitor's data late on a busy machine.
  void RecordFor(double seconds) {
    const qint64 bytes = static_cast<qint64>(seconds * kRecordRate) * 2;
    for (int i = 0; i < 150 && QFileInfo(path_).size() < bytes; ++i) {
      RunEventsFor(100);
    }
  }

  std::vector<bool> Stop() {
    if (process_.state() != QProcess::NotRunning) {
      process_.terminate();
      if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
      }
    }
    return Windows();
  }

  // What has been recorded so far, loud (true) or silent per 50 ms.
  std::vector<bool> Windows() const {
    QFile file(path_);
    std::vector<bool> loud;
    if (!file.open(QIODevice::ReadOnly)) {
      return loud;
    }
    const QByteArray raw = file.readAll();
    const int window = kRecordRate / 20;
    const int samples = static_cast<int>(raw.size() / 2);
    for (int start = 0; start + window <= samples; start += window) {
      int peak = 0;
      for (int i = start; i < start + window; ++i) {
        std::int16_t v = 0;
        std::memcpy(&v, raw.constData() + 2 * i, 2);
        peak = std::max(peak, std::abs(static_cast<int>(v)));
      }
      loud.push_back(peak > 2000);
    }
    return loud;
  }

  // Lets events run until something loud has been recorded; the window
  // where it was first seen, or -1.
  int WaitUntilLoud() {
    for (int i = 0; i < 100; ++i) {
      const std::vector<bool> windows = Windows();
      for (std::size_t w = 0; w < windows.size(); ++w) {
        if (windows[w]) {
          return static_cast<int>(w);
        }
      }
      RunEventsFor(50);
    }
    return -1;
  }

 private:
  QTemporaryDir dir_;
  QString path_;
  QProcess process_;
};

int CountLoud(const std::vector<bool>& windows, std::size_t from, std::size_t to) {
  int count = 0;
  for (std::size_t i = from; i < to && i < windows.size(); ++i) {
    count += windows[i] ? 1 : 0;
  }
  return count;
}

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("PULSE_SERVER") == nullptr) {
      GTEST_SKIP() << "PULSE_SERVER is not set: no sound server to listen to (source scripts/desktop-session)";
    }
  }
};

struct FormatCase {
  int channels;
  int rate;
  int bits;
};

class SoundFormats : public SoundTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(SoundFormats, PlaysInTheBackgroundAndIsHeard) {
  const FormatCase& c = GetParam();
  Recorder recorder;
  ASSERT_TRUE(recorder.Started()) << "parec did not start";
  // As long as the built-in alert: the whole of it fits into the server's
  // buffer at once, and it must still be played to its end.
  const std::string wav = ToneWav(c.channels, c.rate, c.bits, 0.63);
  QElapsedTimer call;
  call.start();
  PlaySoundBytes(wav);
  EXPECT_LT(call.elapsed(), 500);
  recorder.RecordFor(3.0);
  const std::vector<bool> windows = recorder.Stop();
  ASSERT_GE(windows.size(), 60u);
  // About 12 windows of 50 ms hold the tone; a loaded machine can stretch
  // it with gaps, but a sound played twice or looping would fill far more.
  EXPECT_GE(CountLoud(windows, 0, windows.size()), 9);
  EXPECT_LE(CountLoud(windows, 0, windows.size()), 30);
  PlaySoundBytes("");
}

INSTANTIATE_TEST_SUITE_P(Formats, SoundFormats,
                         ::testing::Values(FormatCase{1, 11025, 8}, FormatCase{2, 44100, 16},
                                           FormatCase{1, 22050, 16}, FormatCase{2, 8000, 8}),
                         [](const auto& test) {
                           const FormatCase& c = test.param;
                           return std::to_string(c.channels) + "ch" + std::to_string(c.rate) + "Hz" +
                                  std::to_string(c.bits) + "bit";
                         });

struct ReplaceCase {
  const char* what;
  std::string second;
};

class SoundReplaced : public SoundTest, public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(SoundReplaced, ANewCallStopsTheSoundPlaying) {
  Recorder recorder;
  ASSERT_TRUE(recorder.Started()) << "parec did not start";
  PlaySoundBytes(ToneWav(1, 11025, 8, 6.0, 220));
  // Replaced only once it is heard: the server may start it late.
  ASSERT_GE(recorder.WaitUntilLoud(), 0) << "the first sound was never heard";
  RunEventsFor(200);
  const std::size_t replaced = recorder.Windows().size();
  PlaySoundBytes(GetParam().second);
  const double seconds = static_cast<double>(replaced) / 20 + 2.5;
  recorder.RecordFor(seconds);
  const std::vector<bool> windows = recorder.Stop();
  ASSERT_GE(windows.size(), replaced + 50);
  // The first sound would still be playing from 1.5 s to 2.5 s after the
  // second call.
  EXPECT_EQ(CountLoud(windows, replaced + 30, replaced + 50), 0) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Second, SoundReplaced,
                         ::testing::Values(ReplaceCase{"short sound", ToneWav(2, 44100, 16, 0.3, 1000)},
                                           ReplaceCase{"empty buffer", ""},
                                           ReplaceCase{"not a WAV file", "RIFF garbage"},
                                           ReplaceCase{"truncated WAV", ToneWav(1, 11025, 8, 1.0).substr(0, 300)}),
                         [](const auto& test) { return "Case" + std::to_string(test.index); });

void PlayWithoutServer() {
  // Set before the first use of audio in this fresh process.
  ::setenv("PULSE_SERVER", "unix:/nonexistent/kestara/native", 1);
  const std::string sounds[] = {ToneWav(1, 11025, 8, 2.0), "", "RIFF", ToneWav(1, 11025, 8, 1.0).substr(0, 100),
                                ToneWav(2, 44100, 16, 0.5)};
  for (const std::string& wav : sounds) {
    PlaySoundBytes(wav);
  }
  RunEventsFor(300);
  PlaySoundBytes("");
  std::_Exit(0);
}

TEST(SoundWithoutServer, IsSilenceAndReturns) {
  // A process of its own, so that the unreachable server stays there.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(PlayWithoutServer(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kestara
