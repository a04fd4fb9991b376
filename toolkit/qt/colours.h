// Colour values of the form definitions (0x00BBGGRR) as Qt colours.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

#include "toolkit/form_def.h"

namespace kestara {

inline QColor ColourFromValue(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

// The default colour stands for the palette's button face.
inline QColor ColourOrButtonFace(std::uint32_t value, const QPalette& palette) {
  return value == kDefaultColour ? palette.color(QPalette::Button) : ColourFromValue(value);
}

}  // namespace kestara
