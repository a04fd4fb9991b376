// Image-file bytes made in the test, in the formats the program embeds.
#pragma once

#include <QBuffer>
#include <QImage>
#include <string>

#include "toolkit/toolkit.h"

namespace kestara::testing {

// A picture of one colour in a format Qt can write (PNG, BMP, ICO).
inline Bytes SolidPicture(QColor colour, int width, int height, const char* format = "PNG") {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return Bytes(data.constData(), static_cast<size_t>(data.size()));
}

// A 2x1 picture: left pixel a, right pixel b.
inline Bytes TwoPixelPicture(QColor a, QColor b) {
  QImage image(2, 1, QImage::Format_RGB32);
  image.setPixelColor(0, 0, a);
  image.setPixelColor(1, 0, b);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return Bytes(data.constData(), static_cast<size_t>(data.size()));
}

// A 1x1 GIF89a whose only pixel is the transparent colour (Qt writes no GIF).
inline Bytes TransparentGif() {
  static const unsigned char gif[] = {
      'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,
      0x21, 0xF9, 4, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
  return Bytes(reinterpret_cast<const char*>(gif), sizeof gif);
}

// A 1x1 GIF89a of two frames of 100 ms, looping for ever.
inline Bytes AnimatedGif() {
  static const unsigned char header[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,
                                         0xFF, 0xFF, 0xFF, 0, 0, 0,
                                         0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                                         3, 1, 0, 0, 0};
  static const unsigned char frame[] = {0x21, 0xF9, 4, 0, 10, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0,
                                        2, 2, 0x44, 1, 0};
  Bytes gif(reinterpret_cast<const char*>(header), sizeof header);
  gif.append(reinterpret_cast<const char*>(frame), sizeof frame);
  gif.append(reinterpret_cast<const char*>(frame), sizeof frame);
  gif.push_back(0x3B);
  return gif;
}

}  // namespace kestara::testing
