// The embedded media: complete files held as byte buffers.
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace kestara {

// The bytes of one embedded file by its name under resources/media
// (for example "alert.wav"); empty when there is no such item.
const Bytes& Media(const std::string& name);

}  // namespace kestara
