// Reading the RIFF chunks of in-memory WAV files.
#include <gtest/gtest.h>

#include "tests/toolkit/wav_builder.h"
#include "toolkit/qt/services_wav.h"

namespace kestara {
namespace {

using testing::Chunk;
using testing::FormatBody;
using testing::Riff;

struct AcceptedCase {
  const char* what;
  std::string file;
  int channels;
  int rate;
  int bits;
  std::size_t dataOffset;
  std::size_t dataSize;
};

class WavAccepted : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(WavAccepted, FindsFormatAndSamples) {
  const AcceptedCase& c = GetParam();
  const std::optional<WavSound> sound = ParseWav(c.file);
  ASSERT_TRUE(sound.has_value()) << c.what;
  EXPECT_EQ(sound->channels, c.channels);
  EXPECT_EQ(sound->sampleRate, c.rate);
  EXPECT_EQ(sound->bitsPerSample, c.bits);
  EXPECT_EQ(sound->dataOffset, c.dataOffset);
  EXPECT_EQ(sound->dataSize, c.dataSize);
}

std::string ExtensibleFormat(int subFormat) {
  std::string body = FormatBody(0xFFFE, 2, 22050, 16);
  testing::PutLe(body, 22, 2);          // extension size
  testing::PutLe(body, 16, 2);          // valid bits
  testing::PutLe(body, 3, 4);           // channel mask
  testing::PutLe(body, static_cast<std::uint32_t>(subFormat), 2);
  body += std::string(14, '\x01');      // rest of the GUID
  return body;
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavAccepted,
    ::testing::Values(
        AcceptedCase{"8-bit mono, as the built-in alert", Riff(Chunk("fmt ", FormatBody(1, 1, 11025, 8)) + Chunk("data", std::string(6903, '\x80'))), 1, 11025, 8, 44, 6903},
        AcceptedCase{"16-bit stereo", Riff(Chunk("fmt ", FormatBody(1, 2, 44100, 16)) + Chunk("data", std::string(400, '\0'))), 2, 44100, 16, 44, 400},
        // An odd-sized chunk before the data is padded to an even length.
        AcceptedCase{"padded LIST chunk first", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + Chunk("LIST", "abc") + Chunk("data", "xyzw")), 1, 8000, 8, 56, 4},
        // A partial frame at the end is not played.
        AcceptedCase{"partial last frame", Riff(Chunk("fmt ", FormatBody(1, 2, 8000, 16)) + Chunk("data", std::string(10, '\0'))), 2, 8000, 16, 44, 8},
        AcceptedCase{"extensible PCM", Riff(Chunk("fmt ", ExtensibleFormat(1)) + Chunk("data", std::string(8, '\0'))), 2, 22050, 16, 68, 8},
        // The RIFF size is only a claim; the chunks count.
        AcceptedCase{"RIFF size overstated", [] { std::string f = Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + Chunk("data", "ab")); f[4] = '\x7F'; return f; }(), 1, 8000, 8, 44, 2}),
    [](const auto& test) { return "Case" + std::to_string(test.index); });

struct RejectedCase {
  const char* what;
  std::string file;
};

class WavRejected : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(WavRejected, GivesNothing) {
  EXPECT_FALSE(ParseWav(GetParam().file).has_value()) << GetParam().what;
}

std::string Truncated(std::string file, std::size_t cut) {
  file.resize(file.size() - cut);
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavRejected,
    ::testing::Values(
        RejectedCase{"empty", ""},
        RejectedCase{"not RIFF", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + Chunk("data", "ab")).replace(0, 4, "RIFX")},
        RejectedCase{"RIFF header only", Riff("")},
        RejectedCase{"not WAVE", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8))).replace(8, 4, "AVI ")},
        RejectedCase{"data cut short", Truncated(Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + Chunk("data", std::string(100, 'a'))), 10)},
        RejectedCase{"fmt cut short", Truncated(Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8))), 4)},
        RejectedCase{"chunk size beyond the end", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + std::string("data\xFF\xFF\xFF\xFF", 8) + "ab")},
        RejectedCase{"data before fmt", Riff(Chunk("data", "abcd") + Chunk("fmt ", FormatBody(1, 1, 8000, 8)))},
        RejectedCase{"no data", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)))},
        RejectedCase{"empty data", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + Chunk("data", ""))},
        RejectedCase{"ADPCM", Riff(Chunk("fmt ", FormatBody(2, 1, 8000, 8)) + Chunk("data", "abcd"))},
        RejectedCase{"float", Riff(Chunk("fmt ", FormatBody(3, 1, 8000, 32)) + Chunk("data", "abcd"))},
        RejectedCase{"extensible, not PCM", Riff(Chunk("fmt ", ExtensibleFormat(3)) + Chunk("data", "abcd"))},
        RejectedCase{"24 bits", Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 24)) + Chunk("data", "abcdef"))},
        RejectedCase{"no channels", Riff(Chunk("fmt ", FormatBody(1, 0, 8000, 8)) + Chunk("data", "abcd"))},
        RejectedCase{"six channels", Riff(Chunk("fmt ", FormatBody(1, 6, 8000, 8)) + Chunk("data", "abcdef"))},
        RejectedCase{"rate 0", Riff(Chunk("fmt ", FormatBody(1, 1, 0, 8)) + Chunk("data", "abcd"))},
        RejectedCase{"block align wrong", [] { std::string body = FormatBody(1, 2, 8000, 16); body[12] = 3; return Riff(Chunk("fmt ", body) + Chunk("data", "abcd")); }()}),
    [](const auto& test) { return "Case" + std::to_string(test.index); });

}  // namespace
}  // namespace kestara
