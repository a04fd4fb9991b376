#pragma once

#include <string>

namespace kestara {

// The text the source box shows at start (local text), with the build's
// home-page addresses.
std::string WelcomeText();

}  // namespace kestara
