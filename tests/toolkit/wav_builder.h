// Builds WAV files in memory for the sound tests.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace kestara::testing {

inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
}

inline std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  PutLe(out, static_cast<std::uint32_t>(body.size()), 4);
  out += body;
  if (body.size() % 2 != 0) {
    out.push_back('\0');
  }
  return out;
}

inline std::string FormatBody(int tag, int channels, int rate, int bits) {
  std::string body;
  const int blockAlign = channels * bits / 8;
  PutLe(body, static_cast<std::uint32_t>(tag), 2);
  PutLe(body, static_cast<std::uint32_t>(channels), 2);
  PutLe(body, static_cast<std::uint32_t>(rate), 4);
  PutLe(body, static_cast<std::uint32_t>(rate * blockAlign), 4);
  PutLe(body, static_cast<std::uint32_t>(blockAlign), 2);
  PutLe(body, static_cast<std::uint32_t>(bits), 2);
  return body;
}

inline std::string Riff(const std::string& chunks) {
  std::string out = "RIFF";
  PutLe(out, static_cast<std::uint32_t>(4 + chunks.size()), 4);
  return out + "WAVE" + chunks;
}

// A square wave at full swing: loud enough to tell from silence at once.
inline std::string ToneSamples(int channels, int rate, int bits, double seconds, int hertz) {
  std::string samples;
  const int frames = static_cast<int>(rate * seconds);
  const int halfPeriod = std::max(1, rate / hertz / 2);
  for (int i = 0; i < frames; ++i) {
    const bool high = (i / halfPeriod) % 2 == 0;
    for (int c = 0; c < channels; ++c) {
      if (bits == 8) {
        samples.push_back(static_cast<char>(high ? 0xE0 : 0x20));
      } else {
        PutLe(samples, static_cast<std::uint16_t>(high ? 24000 : -24000), 2);
      }
    }
  }
  return samples;
}

inline std::string ToneWav(int channels, int rate, int bits, double seconds, int hertz = 440) {
  return Riff(Chunk("fmt ", FormatBody(1, channels, rate, bits)) +
              Chunk("data", ToneSamples(channels, rate, bits, seconds, hertz)));
}

}  // namespace kestara::testing
