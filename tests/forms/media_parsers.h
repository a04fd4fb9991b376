// Small readers for the headers of the embedded media files. Each walks the
// whole file structure and reports the first fault it meets, so a file with
// a wrong field, a broken block chain or trailing bytes fails the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestara::test {

class ByteReader {
 public:
  explicit ByteReader(const std::string& bytes, std::size_t offset = 0)
      : bytes_(bytes), pos_(offset) {}

  bool Has(std::size_t n) const { return pos_ <= bytes_.size() && bytes_.size() - pos_ >= n; }
  std::uint8_t U8() { return Has(1) ? std::uint8_t(bytes_[pos_++]) : Fail(); }
  std::uint16_t U16() {
    const std::uint16_t low = U8();
    return std::uint16_t(low | (U8() << 8));
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | (std::uint32_t(U16()) << 16);
  }
  std::int32_t I32() { return std::int32_t(U32()); }
  std::string Str(std::size_t n) {
    if (!Has(n)) {
      Fail();
      return std::string();
    }
    std::string s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  void Skip(std::size_t n) {
    if (!Has(n)) Fail();
    else pos_ += n;
  }
  void Seek(std::size_t pos) { pos_ = pos; }
  std::size_t Pos() const { return pos_; }
  bool Failed() const { return failed_; }

 private:
  std::uint8_t Fail() {
    failed_ = true;
    pos_ = bytes_.size();
    return 0;
  }
  const std::string& bytes_;
  std::size_t pos_;
  bool failed_ = false;
};

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool hasControl = false;  // a graphic control extension precedes it
  int delayCs = 0;          // hundredths of a second
  bool transparent = false;
  int transparentIndex = 0;
  int minCodeSize = 0;
  std::size_t dataBytes = 0;  // LZW bytes, sub-block lengths excluded
};

struct GifInfo {
  std::string error;  // empty when the file is well formed
  std::string version;
  int width = 0, height = 0;
  int globalColours = 0;  // 0: no global colour table
  bool loopForever = false;
  bool hasLoopExtension = false;
  int extensions = 0;
  std::vector<GifFrame> frames;
};

inline std::size_t ReadSubBlocks(ByteReader& r, bool& ok) {
  std::size_t total = 0;
  for (;;) {
    const std::uint8_t n = r.U8();
    if (r.Failed()) {
      ok = false;
      return total;
    }
    if (n == 0) return total;
    r.Skip(n);
    total += n;
  }
}

inline GifInfo ParseGif(const std::string& bytes) {
  GifInfo info;
  ByteReader r(bytes);
  info.version = r.Str(6);
  if (info.version != "GIF87a" && info.version != "GIF89a") {
    info.error = "no GIF signature";
    return info;
  }
  info.width = r.U16();
  info.height = r.U16();
  const std::uint8_t packed = r.U8();
  r.Skip(2);  // background index, aspect ratio
  if (packed & 0x80) {
    info.globalColours = 1 << ((packed & 7) + 1);
    r.Skip(3 * std::size_t(info.globalColours));
  }
  GifFrame pending;
  for (;;) {
    const std::uint8_t block = r.U8();
    if (r.Failed()) {
      info.error = "file ends before the trailer";
      return info;
    }
    if (block == 0x3B) break;
    bool ok = true;
    if (block == 0x21) {
      if (info.version == "GIF87a") {
        info.error = "extension block in a GIF87a file";
        return info;
      }
      ++info.extensions;
      const std::uint8_t label = r.U8();
      if (label == 0xF9) {
        if (r.U8() != 4) {
          info.error = "bad graphic control size";
          return info;
        }
        const std::uint8_t flags = r.U8();
        pending.hasControl = true;
        pending.delayCs = r.U16();
        pending.transparent = (flags & 1) != 0;
        pending.transparentIndex = r.U8();
        if (r.U8() != 0) {
          info.error = "graphic control not terminated";
          return info;
        }
      } else if (label == 0xFF) {
        const std::uint8_t n = r.U8();
        const std::string app = r.Str(n);
        if (app == "NETSCAPE2.0") {
          info.hasLoopExtension = true;
          const std::uint8_t len = r.U8();
          if (len == 3 && r.U8() == 1) {
            info.loopForever = r.U16() == 0;
          } else {
            r.Skip(len);
          }
        }
        ReadSubBlocks(r, ok);
      } else {
        ReadSubBlocks(r, ok);
      }
    } else if (block == 0x2C) {
      GifFrame frame = pending;
      pending = GifFrame();
      frame.left = r.U16();
      frame.top = r.U16();
      frame.width = r.U16();
      frame.height = r.U16();
      const std::uint8_t flags = r.U8();
      if (flags & 0x80) r.Skip(3 * std::size_t(1 << ((flags & 7) + 1)));
      frame.minCodeSize = r.U8();
      frame.dataBytes = ReadSubBlocks(r, ok);
      info.frames.push_back(frame);
    } else {
      info.error = "unknown block";
      return info;
    }
    if (!ok || r.Failed()) {
      info.error = "file ends inside a block";
      return info;
    }
  }
  if (r.Pos() != bytes.size()) info.error = "bytes after the trailer";
  return info;
}

struct BmpInfo {
  std::string error;
  std::uint32_t fileSizeField = 0, dataOffset = 0, headerSize = 0, compression = 0;
  std::uint32_t imageSize = 0;
  int width = 0, height = 0, planes = 0, bitsPerPixel = 0;
};

inline BmpInfo ParseBmp(const std::string& bytes) {
  BmpInfo info;
  ByteReader r(bytes);
  if (r.Str(2) != "BM") {
    info.error = "no BM signature";
    return info;
  }
  info.fileSizeField = r.U32();
  r.Skip(4);
  info.dataOffset = r.U32();
  info.headerSize = r.U32();
  info.width = r.I32();
  info.height = r.I32();
  info.planes = r.U16();
  info.bitsPerPixel = r.U16();
  info.compression = r.U32();
  info.imageSize = r.U32();
  if (r.Failed()) info.error = "truncated header";
  return info;
}

struct IconImage {
  int entryWidth = 0, entryHeight = 0, entryColours = 0, entryPlanes = 0, entryBits = 0;
  std::uint32_t bytes = 0, offset = 0;
  // The image's own BITMAPINFOHEADER.
  std::uint32_t headerSize = 0;
  int width = 0, height = 0, planes = 0, bitsPerPixel = 0;
  std::uint32_t compression = 0;
  // Pixels: colour bits (with palette, if any) and the AND mask, top row first.
  std::vector<bool> maskSet;          // true: transparent
  std::vector<std::uint32_t> argb;    // 32 bpp: straight ARGB; 24 bpp: RGB
};

struct IconInfo {
  std::string error;
  int reserved = -1, type = 0;
  std::vector<IconImage> images;
};

inline IconInfo ParseIco(const std::string& bytes) {
  IconInfo info;
  ByteReader r(bytes);
  info.reserved = r.U16();
  info.type = r.U16();
  const int count = r.U16();
  for (int i = 0; i < count && !r.Failed(); ++i) {
    IconImage image;
    image.entryWidth = r.U8();
    image.entryHeight = r.U8();
    image.entryColours = r.U8();
    r.Skip(1);
    image.entryPlanes = r.U16();
    image.entryBits = r.U16();
    image.bytes = r.U32();
    image.offset = r.U32();
    info.images.push_back(image);
  }
  if (r.Failed()) {
    info.error = "truncated directory";
    return info;
  }
  std::size_t expectedOffset = 6 + 16 * std::size_t(count);
  for (IconImage& image : info.images) {
    if (image.offset != expectedOffset || std::size_t(image.offset) + image.bytes > bytes.size()) {
      info.error = "image data out of place";
      return info;
    }
    expectedOffset += image.bytes;
    ByteReader h(bytes, image.offset);
    image.headerSize = h.U32();
    image.width = h.I32();
    image.height = h.I32();
    image.planes = h.U16();
    image.bitsPerPixel = h.U16();
    image.compression = h.U32();
    h.Skip(20);
    const int w = image.width;
    const int rows = image.height / 2;
    if (w <= 0 || rows <= 0 || w > 256 || rows > 256) {
      info.error = "bad image size";
      return info;
    }
    const int bpp = image.bitsPerPixel;
    const std::size_t palette = bpp <= 8 ? (std::size_t(4) << bpp) : 0;
    const std::size_t colourStride = ((std::size_t(w) * bpp + 31) / 32) * 4;
    const std::size_t maskStride = ((std::size_t(w) + 31) / 32) * 4;
    const std::size_t need = 40 + palette + (colourStride + maskStride) * rows;
    if (image.headerSize != 40 || need != image.bytes) {
      info.error = "image layout does not match its size";
      return info;
    }
    const std::size_t colours = image.offset + 40 + palette;
    const std::size_t mask = colours + colourStride * rows;
    image.argb.assign(std::size_t(w) * rows, 0);
    image.maskSet.assign(std::size_t(w) * rows, false);
    for (int y = 0; y < rows; ++y) {
      const std::size_t fileRow = std::size_t(rows - 1 - y);
      for (int x = 0; x < w; ++x) {
        const std::size_t at = std::size_t(y) * w + x;
        const auto byte = [&](std::size_t i) { return std::uint8_t(bytes[i]); };
        const std::size_t m = mask + fileRow * maskStride + std::size_t(x) / 8;
        image.maskSet[at] = (byte(m) & (0x80 >> (x % 8))) != 0;
        const std::size_t c = colours + fileRow * colourStride;
        if (bpp == 32) {
          const std::size_t p = c + std::size_t(x) * 4;
          image.argb[at] = std::uint32_t(byte(p + 3)) << 24 | std::uint32_t(byte(p + 2)) << 16 |
                           std::uint32_t(byte(p + 1)) << 8 | byte(p);
        } else if (bpp == 24) {
          const std::size_t p = c + std::size_t(x) * 3;
          image.argb[at] =
              std::uint32_t(byte(p + 2)) << 16 | std::uint32_t(byte(p + 1)) << 8 | byte(p);
        }
      }
    }
  }
  if (expectedOffset != bytes.size()) info.error = "bytes after the last image";
  return info;
}

struct WavInfo {
  std::string error;
  std::uint32_t riffSize = 0;
  int format = 0, channels = 0, bitsPerSample = 0, blockAlign = 0;
  std::uint32_t sampleRate = 0, byteRate = 0;
  std::string samples;
};

inline WavInfo ParseWav(const std::string& bytes) {
  WavInfo info;
  ByteReader r(bytes);
  if (r.Str(4) != "RIFF") {
    info.error = "no RIFF";
    return info;
  }
  info.riffSize = r.U32();
  if (r.Str(4) != "WAVE") {
    info.error = "no WAVE";
    return info;
  }
  bool haveFormat = false, haveData = false;
  while (r.Has(8)) {
    const std::string id = r.Str(4);
    const std::uint32_t size = r.U32();
    if (!r.Has(size)) {
      info.error = "chunk " + id + " runs past the end";
      return info;
    }
    const std::size_t next = r.Pos() + size;
    if (id == "fmt ") {
      info.format = r.U16();
      info.channels = r.U16();
      info.sampleRate = r.U32();
      info.byteRate = r.U32();
      info.blockAlign = r.U16();
      info.bitsPerSample = r.U16();
      haveFormat = true;
    } else if (id == "data") {
      info.samples = bytes.substr(r.Pos(), size);
      haveData = true;
    }
    r.Seek(next + ((size & 1) != 0 && next < bytes.size() ? 1 : 0));  // chunks are padded
  }
  if (!haveFormat || !haveData) info.error = "missing fmt or data chunk";
  return info;
}

}  // namespace kestara::test
