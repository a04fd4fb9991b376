#include "toolkit/qt/services_wav.h"

#include <cstdint>

namespace kestara {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kChunkHeaderSize = 8;

std::uint32_t ReadLe(std::string_view bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

struct Format {
  std::uint16_t tag = 0;
  int channels = 0;
  int sampleRate = 0;
  int blockAlign = 0;
  int bitsPerSample = 0;
};

std::optional<Format> ParseFormat(std::string_view chunk) {
  if (chunk.size() < 16) {
    return std::nullopt;
  }
  Format format;
  format.tag = static_cast<std::uint16_t>(ReadLe(chunk, 0, 2));
  format.channels = static_cast<int>(ReadLe(chunk, 2, 2));
  const std::uint32_t rate = ReadLe(chunk, 4, 4);
  format.blockAlign = static_cast<int>(ReadLe(chunk, 12, 2));
  format.bitsPerSample = static_cast<int>(ReadLe(chunk, 14, 2));
  // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of
  // its sub-format GUID.
  if (format.tag == kFormatExtensible) {
    if (chunk.size() < 26) {
      return std::nullopt;
    }
    format.tag = static_cast<std::uint16_t>(ReadLe(chunk, 24, 2));
  }
  if (format.tag != kFormatPcm || (format.channels != 1 && format.channels != 2) ||
      (format.bitsPerSample != 8 && format.bitsPerSample != 16) || rate == 0 || rate > 384000 ||
      format.blockAlign != format.channels * format.bitsPerSample / 8) {
    return std::nullopt;
  }
  format.sampleRate = static_cast<int>(rate);
  return format;
}

}  // namespace

std::optional<WavSound> ParseWav(std::string_view file) {
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  // The RIFF size may overstate what is there; the chunks are bounded by
  // the bytes actually held.
  std::optional<Format> format;
  std::size_t at = 12;
  while (file.size() - at >= kChunkHeaderSize) {
    const std::string_view id = file.substr(at, 4);
    const std::size_t size = ReadLe(file, at + 4, 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (size > file.size() - body) {
      return std::nullopt;  // truncated chunk
    }
    if (id == "fmt ") {
      format = ParseFormat(file.substr(body, size));
      if (!format) {
        return std::nullopt;
      }
    } else if (id == "data") {
      if (!format) {
        return std::nullopt;
      }
      WavSound sound;
      sound.channels = format->channels;
      sound.sampleRate = format->sampleRate;
      sound.bitsPerSample = format->bitsPerSample;
      sound.dataOffset = body;
      sound.dataSize = size - size % static_cast<std::size_t>(format->blockAlign);
      if (sound.dataSize == 0) {
        return std::nullopt;
      }
      return sound;
    }
    // Chunks are padded to an even length.
    const std::size_t next = body + size + (size & 1);
    if (next > file.size()) {
      break;
    }
    at = next;
  }
  return std::nullopt;
}

}  // namespace kestara
