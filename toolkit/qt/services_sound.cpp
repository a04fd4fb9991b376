// Asynchronous playback of a WAV file held in memory.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>

#include "toolkit/qt/services_wav.h"
#include "toolkit/toolkit.h"

namespace kestara {
namespace {

// One sound being played: the samples, the device reading them and the
// sink. It stays until the next sound replaces it: the sink runs out of
// samples to read long before the server has played them, so running dry
// is no sign that the sound is over. Only a failed sink removes itself.
class Playback : public QObject {
 public:
  static constexpr qint64 kBufferMicroseconds = 600000;

  Playback(QByteArray samples, const QAudioDevice& device, const QAudioFormat& format)
      : QObject(QCoreApplication::instance()), samples_(std::move(samples)), sink_(device, format) {
    buffer_.setBuffer(&samples_);
    buffer_.open(QIODevice::ReadOnly);
    connect(&sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
      if (state == QAudio::StoppedState && sink_.error() != QAudio::NoError) {
        deleteLater();
      }
    });
  }
  ~Playback() override {
    sink_.disconnect(this);
    sink_.reset();
    sink_.stop();
  }
  Playback(const Playback&) = delete;
  Playback& operator=(const Playback&) = delete;

  bool Start() {
    // A short buffer: what the server already holds plays on after a stop,
    // and a replaced sound should end at once.
    sink_.setBufferSize(sink_.format().bytesForDuration(kBufferMicroseconds));
    sink_.start(&buffer_);
    return sink_.error() == QAudio::NoError && sink_.state() != QAudio::StoppedState;
  }

 private:
  QByteArray samples_;
  QBuffer buffer_;
  QAudioSink sink_;
};

QPointer<Playback> g_playing;

void StopPlaying() {
  delete g_playing.data();
  g_playing = nullptr;
}

}  // namespace

void PlaySoundBytes(const Bytes& wav) {
  if (QCoreApplication::instance() == nullptr) {
    return;
  }
  StopPlaying();
  const std::optional<WavSound> sound = ParseWav(wav);
  if (!sound) {
    return;
  }
  QAudioFormat format;
  format.setSampleRate(sound->sampleRate);
  format.setChannelCount(sound->channels);
  format.setSampleFormat(sound->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(format)) {
    return;
  }
  QByteArray samples(wav.data() + sound->dataOffset, static_cast<qsizetype>(sound->dataSize));
  auto* playback = new Playback(std::move(samples), device, format);
  if (!playback->Start()) {
    delete playback;
    return;
  }
  g_playing = playback;
}

}  // namespace kestara
