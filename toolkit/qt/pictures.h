// Pictures and icons from image-file bytes.
#pragma once

#include <QIcon>

#include "toolkit/qt/shared.h"

namespace kestara {

// Every image of an icon file (or the one image of another format); a
// null icon when nothing decodes.
QIcon IconFromBytes(const Bytes& bytes);

}  // namespace kestara
