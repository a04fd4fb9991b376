// Entry points from the widgets into the event handlers. Each one first
// checks that the loading of the window that raised it is still loaded,
// so a late event of a destroyed window runs nothing.
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace kestara {

void RaiseCreated(Handle form);
void RaiseFirstActivated(Handle form);
void RaiseMouseMove(Handle form);
void RaiseClick(Handle form, const std::string& control);
void RaiseTimer(Handle form, const std::string& control);

}  // namespace kestara
