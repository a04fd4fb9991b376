// The PCM samples of a WAV file held in memory, for sound playback.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace kestara {

struct WavSound {
  int channels = 0;       // 1 or 2
  int sampleRate = 0;     // samples per second
  int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
  // The sample data within the file's bytes, whole frames only.
  std::size_t dataOffset = 0;
  std::size_t dataSize = 0;
};

// Reads the RIFF chunks of a WAV file. Only uncompressed PCM with 8 or 16
// bits and one or two channels is accepted; a file that is truncated,
// malformed or of another format gives nothing.
std::optional<WavSound> ParseWav(std::string_view file);

}  // namespace kestara
