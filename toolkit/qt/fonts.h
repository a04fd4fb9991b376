// Fonts of the form definitions and the Font property.
#pragma once

#include <QFont>
#include <string>

#include "toolkit/form_def.h"

namespace kestara {

// The face used when a definition names none.
QFont DefaultGuiFont();

// A font request of a definition: a negative height -N is a character
// height of N pixels.
QFont FontFromDef(const FontDef& def);

// Sizes in points are converted at 96 dots per inch, the density the
// skins were drawn for, so that a size gives the same pixels everywhere.
int FontSizeInPoints(const QFont& font);
QFont WithSizeInPoints(QFont font, int points);

// Face names are local text; an empty face means the default face.
std::string FontFace(const QFont& font);
QFont WithFace(QFont font, const std::string& localFace);

}  // namespace kestara
