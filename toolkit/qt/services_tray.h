// Tray icon details shared with the tests.
#pragma once

#include <string>

namespace kestara {

// A tray tip is at most 62 bytes of local text, cut before a character
// that would not fit whole.
std::string CutTip(const std::string& tip);

// Whether the window shows a tray icon now.
bool HasTrayIcon(const std::string& form);

}  // namespace kestara
