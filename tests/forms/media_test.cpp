// The embedded media: formats, sizes and the pixels that must line up with
// the form definitions.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "tests/forms/media_parsers.h"
#include "toolkit/media.h"

namespace kestara::test {
namespace {

struct MediaItem {
  const char* name;
  std::size_t size;
};

// Every file of resources/media and its exact size.
const MediaItem kMedia[] = {
    {"main_background.gif", 18224},     {"popup_background.gif", 5530},
    {"msgbox_background.gif", 4697},    {"busy.gif", 6454},
    {"main_minimise.bmp", 1494},        {"main_minimise_hover.bmp", 1494},
    {"main_maximise.bmp", 1494},        {"main_maximise_hover.bmp", 1494},
    {"main_close.bmp", 2430},           {"main_close_hover.bmp", 2430},
    {"popup_close_button.gif", 1283},   {"popup_close_button_hover.gif", 1296},
    {"popup_view_button.gif", 1264},    {"popup_view_button_hover.gif", 1277},
    {"popup_minimise.gif", 1055},       {"popup_minimise_hover.gif", 1163},
    {"popup_close.gif", 1412},          {"popup_close_hover.gif", 1368},
    {"msgbox_close.gif", 1362},         {"msgbox_close_hover.gif", 1424},
    {"msgbox_ok.gif", 1209},            {"msgbox_ok_hover.gif", 1221},
    {"alert.wav", 6947},                {"speaker.ico", 894},
    {"blank.ico", 1078},                {"program.ico", 34494},
};

std::filesystem::path MediaDirectory() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
         "media";
}

QImage Decode(const std::string& bytes) {
  return QImage::fromData(QByteArray(bytes.data(), qsizetype(bytes.size()))).convertToFormat(
      QImage::Format_ARGB32);
}

double MeanLightness(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += QColor(image.pixel(x, y)).lightnessF();
  return sum / (image.width() * image.height());
}

TEST(MediaTable, EmbedsExactlyTheListedFilesWithTheirBytes) {
  std::set<std::string> listed;
  for (const MediaItem& item : kMedia) {
    SCOPED_TRACE(item.name);
    listed.insert(item.name);
    const Bytes& bytes = Media(item.name);
    EXPECT_EQ(bytes.size(), item.size);
    std::ifstream file(MediaDirectory() / item.name, std::ios::binary);
    ASSERT_TRUE(file.good());
    const std::string onDisk{std::istreambuf_iterator<char>(file), {}};
    EXPECT_TRUE(bytes == onDisk);
  }
  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(MediaDirectory()))
    present.insert(entry.path().filename().string());
  EXPECT_EQ(present, listed);
}

TEST(MediaLookup, CachesKnownItemsAndGivesEmptyForEverythingElse) {
  const Bytes& first = Media("alert.wav");
  EXPECT_EQ(&first, &Media("alert.wav"));
  for (const char* name : {"", "nothing.gif", "../media/alert.wav", "/media/alert.wav",
                           ":/media/alert.wav", ".", "..", "ALERT.WAV"}) {
    EXPECT_TRUE(Media(name).empty()) << name;
  }
  EXPECT_EQ(&Media("nothing.gif"), &Media("other.gif"));
}

struct StillGif {
  const char* name;
  const char* version;
  int width, height;
};

TEST(StillGifs, HaveTheirVersionSizeAndOneFullImage) {
  const StillGif table[] = {
      {"main_background.gif", "GIF89a", 600, 450}, {"popup_background.gif", "GIF89a", 324, 261},
      {"msgbox_background.gif", "GIF87a", 351, 124}, {"popup_close_button.gif", "GIF89a", 80, 25},
      {"popup_close_button_hover.gif", "GIF89a", 80, 25},
      {"popup_view_button.gif", "GIF89a", 80, 25},
      {"popup_view_button_hover.gif", "GIF89a", 80, 25},
      {"popup_minimise.gif", "GIF89a", 25, 17}, {"popup_minimise_hover.gif", "GIF89a", 25, 17},
      {"popup_close.gif", "GIF89a", 43, 17}, {"popup_close_hover.gif", "GIF89a", 43, 17},
      {"msgbox_close.gif", "GIF89a", 43, 18}, {"msgbox_close_hover.gif", "GIF89a", 43, 18},
      {"msgbox_ok.gif", "GIF89a", 73, 19}, {"msgbox_ok_hover.gif", "GIF89a", 73, 19},
  };
  for (const StillGif& g : table) {
    SCOPED_TRACE(g.name);
    const GifInfo info = ParseGif(Media(g.name));
    ASSERT_EQ(info.error, "");
    EXPECT_EQ(info.version, g.version);
    EXPECT_EQ(info.width, g.width);
    EXPECT_EQ(info.height, g.height);
    EXPECT_GT(info.globalColours, 0);
    ASSERT_EQ(info.frames.size(), 1u);
    const GifFrame& f = info.frames[0];
    EXPECT_EQ(f.left, 0);
    EXPECT_EQ(f.top, 0);
    EXPECT_EQ(f.width, g.width);
    EXPECT_EQ(f.height, g.height);
    EXPECT_FALSE(f.transparent);
    const QImage decoded = Decode(Media(g.name));
    EXPECT_EQ(decoded.size(), QSize(g.width, g.height));
  }
}

TEST(BusyAnimation, HasEightFramesOf70MsLoopingForeverWithATransparentColour) {
  const Bytes& bytes = Media("busy.gif");
  const GifInfo info = ParseGif(bytes);
  ASSERT_EQ(info.error, "");
  EXPECT_EQ(info.version, "GIF89a");
  EXPECT_EQ(info.width, 145);
  EXPECT_EQ(info.height, 15);
  EXPECT_TRUE(info.hasLoopExtension);
  EXPECT_TRUE(info.loopForever);
  ASSERT_EQ(info.frames.size(), 8u);
  for (const GifFrame& f : info.frames) {
    EXPECT_TRUE(f.hasControl);
    EXPECT_EQ(f.delayCs, 7);
    EXPECT_TRUE(f.transparent);
    EXPECT_EQ(f.width, 145);
    EXPECT_EQ(f.height, 15);
  }

  // Qt sees the same animation; the rounded ends let the box show through
  // and the stripes move from frame to frame.
  QByteArray data(bytes.data(), qsizetype(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  EXPECT_TRUE(reader.supportsAnimation());
  EXPECT_EQ(reader.imageCount(), 8);
  EXPECT_EQ(reader.loopCount(), -1);
  QImage first, previous;
  for (int i = 0; i < 8; ++i) {
    QImage frame = reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(frame.isNull()) << i;
    EXPECT_EQ(reader.nextImageDelay(), 70) << i;
    EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0) << i;
    EXPECT_EQ(qAlpha(frame.pixel(72, 7)), 255) << i;
    if (i > 0) {
      EXPECT_NE(frame, previous) << i;
    }
    if (i == 0) first = frame;
    previous = frame;
  }
  // Orange and white.
  int orange = 0, white = 0;
  for (int x = 8; x < 137; ++x) {
    const QColor c(first.pixel(x, 7));
    if (c.red() > 220 && c.green() > 100 && c.green() < 200 && c.blue() < 120) ++orange;
    if (c.red() > 240 && c.green() > 220 && c.blue() > 190) ++white;
  }
  EXPECT_GT(orange, 30);
  EXPECT_GT(white, 30);
}

struct BmpItem {
  const char* name;
  int width, height;
};

TEST(TitleBarBitmaps, Are24BitUncompressedWithTheirSizes) {
  const BmpItem table[] = {
      {"main_minimise.bmp", 26, 18}, {"main_minimise_hover.bmp", 26, 18},
      {"main_maximise.bmp", 26, 18}, {"main_maximise_hover.bmp", 26, 18},
      {"main_close.bmp", 44, 18},    {"main_close_hover.bmp", 44, 18},
  };
  for (const BmpItem& b : table) {
    SCOPED_TRACE(b.name);
    const Bytes& bytes = Media(b.name);
    const BmpInfo info = ParseBmp(bytes);
    ASSERT_EQ(info.error, "");
    EXPECT_EQ(info.fileSizeField, bytes.size());
    EXPECT_EQ(info.dataOffset, 54u);
    EXPECT_EQ(info.headerSize, 40u);
    EXPECT_EQ(info.width, b.width);
    EXPECT_EQ(info.height, b.height);  // positive: rows bottom-up
    EXPECT_EQ(info.planes, 1);
    EXPECT_EQ(info.bitsPerPixel, 24);
    EXPECT_EQ(info.compression, 0u);
    EXPECT_EQ(std::size_t(info.dataOffset) + ((b.width * 3 + 3) / 4 * 4) * b.height, bytes.size());
    EXPECT_EQ(Decode(bytes).size(), QSize(b.width, b.height));
  }
}

double MeanBlueness(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c(image.pixel(x, y));
      sum += c.blue() - c.red();
    }
  return sum / (image.width() * image.height());
}

enum class Hover { Brighter, LightBlue };

struct SkinSpot {
  const char* image;
  const char* background;
  int left, top;
  Hover hover;
};

// Each picture button's normal image is exactly the skin beneath it; its
// hover image is a brighter glyph or, for the push buttons, light blue.
TEST(PictureButtonImages, MatchTheSkinBeneathThemAndLightUpOnHover) {
  const SkinSpot table[] = {
      {"main_minimise", "main_background.gif", 498, 1, Hover::Brighter},
      {"main_maximise", "main_background.gif", 524, 1, Hover::Brighter},
      {"main_close", "main_background.gif", 550, 1, Hover::Brighter},
      {"popup_close_button", "popup_background.gif", 176, 218, Hover::LightBlue},
      {"popup_view_button", "popup_background.gif", 80, 218, Hover::LightBlue},
      {"popup_minimise", "popup_background.gif", 249, 1, Hover::Brighter},
      {"popup_close", "popup_background.gif", 274, 1, Hover::Brighter},
      {"msgbox_close", "msgbox_background.gif", 303, 1, Hover::Brighter},
      {"msgbox_ok", "msgbox_background.gif", 139, 91, Hover::LightBlue},
  };
  for (const SkinSpot& s : table) {
    SCOPED_TRACE(s.image);
    const std::string ext = std::string(s.image).rfind("main_", 0) == 0 ? ".bmp" : ".gif";
    const QImage normal = Decode(Media(s.image + ext));
    const QImage hover = Decode(Media(s.image + std::string("_hover") + ext));
    const QImage skin = Decode(Media(s.background));
    ASSERT_FALSE(normal.isNull());
    ASSERT_EQ(hover.size(), normal.size());
    EXPECT_EQ(skin.copy(s.left, s.top, normal.width(), normal.height()), normal);
    if (s.hover == Hover::Brighter) {
      EXPECT_GT(MeanLightness(hover), MeanLightness(normal) + 0.02);
    } else {
      EXPECT_GT(MeanBlueness(hover), MeanBlueness(normal) + 15);
      EXPECT_GT(MeanLightness(hover), 0.7);
    }
  }
}

struct PlainArea {
  const char* background;
  int left, top, width, height;
  QRgb colour;
};

TEST(Skins, LeavePlainAreasWhereControlsShowThrough) {
  const PlainArea table[] = {
      {"main_background.gif", 20, 63, 560, 142, qRgb(255, 255, 255)},     // 编辑框1
      {"main_background.gif", 20, 267, 560, 162, qRgb(255, 255, 255)},    // 编辑框2
      {"popup_background.gif", 8, 28, 308, 180, qRgb(255, 255, 255)},     // 标签2
      {"msgbox_background.gif", 55, 32, 286, 50, qRgb(236, 236, 236)},    // 信息内容
      {"msgbox_background.gif", 2, 23, 8, 66, qRgb(236, 236, 236)},       // body, left margin
  };
  for (const PlainArea& a : table) {
    const QImage skin = Decode(Media(a.background));
    int wrong = 0;
    for (int y = a.top; y < a.top + a.height; ++y)
      for (int x = a.left; x < a.left + a.width; ++x) wrong += (skin.pixel(x, y) | 0xFF000000) != (a.colour | 0xFF000000);
    EXPECT_EQ(wrong, 0) << a.background << " at " << a.left << "," << a.top;
  }

  // The caption bars are light blue at their ends; the title bar is light
  // blue and its title area plain, under the see-through 标签1.
  const QImage main = Decode(Media("main_background.gif"));
  for (const int y : {50, 254}) {
    const QColor end(main.pixel(18, y));
    EXPECT_GT(end.blue(), end.red() + 60) << y;
  }
  const QColor title(main.pixel(250, 15));
  EXPECT_GT(title.blue(), 230);
  EXPECT_GT(title.blue(), title.red());
  const QColor titleLeft(main.pixel(165, 15)), titleRight(main.pixel(330, 15));
  EXPECT_LT(std::abs(titleLeft.red() - titleRight.red()) + std::abs(titleLeft.blue() - titleRight.blue()), 6);

  // The message box has a dark-blue title bar.
  const QColor bar(Decode(Media("msgbox_background.gif")).pixel(200, 10));
  EXPECT_LT(bar.red(), 90);
  EXPECT_GT(bar.blue(), 120);
}

TEST(SpeakerIcon, HoldsOne16PixelTrueColourImageWithAMask) {
  const IconInfo info = ParseIco(Media("speaker.ico"));
  ASSERT_EQ(info.error, "");
  EXPECT_EQ(info.reserved, 0);
  EXPECT_EQ(info.type, 1);
  ASSERT_EQ(info.images.size(), 1u);
  const IconImage& image = info.images[0];
  EXPECT_EQ(image.entryWidth, 16);
  EXPECT_EQ(image.entryHeight, 16);
  EXPECT_EQ(image.entryBits, 24);
  EXPECT_EQ(image.bitsPerPixel, 24);
  EXPECT_EQ(image.width, 16);
  EXPECT_EQ(image.height, 32);
  EXPECT_EQ(image.planes, 1);
  EXPECT_EQ(image.compression, 0u);
  EXPECT_EQ(image.bytes, 872u);
  int opaque = 0, blue = 0;
  for (std::size_t i = 0; i < image.argb.size(); ++i) {
    if (image.maskSet[i]) continue;
    ++opaque;
    const std::uint32_t p = image.argb[i];
    if ((p & 0xFF) > ((p >> 16) & 0xFF) + 50) ++blue;
  }
  EXPECT_GT(opaque, 40);
  EXPECT_LT(opaque, 200);
  EXPECT_GT(blue, opaque * 3 / 4);
}

TEST(BlankIcon, HoldsTwoSixteenColourImagesThatAreFullyTransparent) {
  const IconInfo info = ParseIco(Media("blank.ico"));
  ASSERT_EQ(info.error, "");
  ASSERT_EQ(info.images.size(), 2u);
  const int sides[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const IconImage& image = info.images[std::size_t(i)];
    SCOPED_TRACE(sides[i]);
    EXPECT_EQ(image.entryWidth, sides[i]);
    EXPECT_EQ(image.entryColours, 16);
    EXPECT_EQ(image.bitsPerPixel, 4);
    EXPECT_EQ(image.width, sides[i]);
    EXPECT_EQ(image.height, 2 * sides[i]);
    EXPECT_TRUE(std::all_of(image.maskSet.begin(), image.maskSet.end(), [](bool t) { return t; }));
  }
}

TEST(ProgramIcon, HoldsFiveSizesAt32BitsWithAlpha) {
  const IconInfo info = ParseIco(Media("program.ico"));
  ASSERT_EQ(info.error, "");
  const int sides[] = {64, 48, 32, 24, 16};
  const std::uint32_t sizes[] = {16936, 9640, 4264, 2440, 1128};
  ASSERT_EQ(info.images.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const IconImage& image = info.images[std::size_t(i)];
    const int side = sides[i];
    SCOPED_TRACE(side);
    EXPECT_EQ(image.entryWidth, side);
    EXPECT_EQ(image.entryHeight, side);
    EXPECT_EQ(image.entryBits, 32);
    EXPECT_EQ(image.bitsPerPixel, 32);
    EXPECT_EQ(image.bytes, sizes[i]);
    const auto at = [&](int x, int y) { return image.argb[std::size_t(y) * side + x]; };
    EXPECT_EQ(at(0, 0) >> 24, 0u);                  // rounded corner
    EXPECT_EQ(at(side / 2, side - 2) >> 24, 255u);  // inside the square
    for (std::size_t p = 0; p < image.argb.size(); ++p)
      EXPECT_EQ(image.maskSet[p], (image.argb[p] >> 24) == 0) << p;
    // Blue with white lettering.
    int white = 0, blue = 0;
    for (const std::uint32_t p : image.argb) {
      if ((p >> 24) < 255) continue;
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (r > 230 && g > 230 && b > 230) ++white;
      if (b > r + 80) ++blue;
    }
    EXPECT_GT(white, side * side / 20);
    EXPECT_GT(blue, side * side / 3);
  }
}

TEST(AlertSound, IsAShortMonoChimeIn8BitPcm) {
  const Bytes& bytes = Media("alert.wav");
  const WavInfo info = ParseWav(bytes);
  ASSERT_EQ(info.error, "");
  EXPECT_EQ(info.riffSize, bytes.size() - 8);
  EXPECT_EQ(info.format, 1);
  EXPECT_EQ(info.channels, 1);
  EXPECT_EQ(info.sampleRate, 11025u);
  EXPECT_EQ(info.byteRate, 11025u);
  EXPECT_EQ(info.blockAlign, 1);
  EXPECT_EQ(info.bitsPerSample, 8);
  ASSERT_EQ(info.samples.size(), 6903u);
  EXPECT_EQ(bytes.size(), 44u + 6903u);

  // Audible, starting and ending at rest, dying away, and tonal rather
  // than noise (a tone near 1 kHz crosses the middle about 0.2 times a sample).
  const auto level = [&](std::size_t i) { return int(std::uint8_t(info.samples[i])) - 128; };
  int peak = 0, crossings = 0;
  double early = 0, late = 0;
  const std::size_t n = info.samples.size();
  for (std::size_t i = 0; i < n; ++i) {
    peak = std::max(peak, std::abs(level(i)));
    if (i > 0 && (level(i - 1) < 0) != (level(i) < 0)) ++crossings;
    if (i < n / 4) early += level(i) * level(i);
    if (i >= 3 * n / 4) late += level(i) * level(i);
  }
  EXPECT_GT(peak, 60);
  EXPECT_LE(std::abs(level(0)), 3);
  EXPECT_LE(std::abs(level(n - 1)), 3);
  EXPECT_GT(early, late * 4);
  const double rate = double(crossings) / double(n);
  EXPECT_GT(rate, 0.08);
  EXPECT_LT(rate, 0.35);
}

}  // namespace
}  // namespace kestara::test
