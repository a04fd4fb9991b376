// Short names for the main window and its controls.
#pragma once

#include "toolkit/forms/forms.h"
#include "toolkit/toolkit.h"

namespace kestara {

inline Control MainWindow() { return WindowOf(kMainWindow); }
inline Control Main(const char* name) { return Control{kMainWindow, name}; }

}  // namespace kestara
