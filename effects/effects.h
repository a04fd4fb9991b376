// Window opacity, paced fades, rounded corners and see-through labels.
#pragma once

#include "toolkit/toolkit.h"

namespace kestara {

// Outer size of the window MeasureWindow measured last.
extern int g_windowWidth;
extern int g_windowHeight;

void SetWindowAlpha(const Control& window, int alpha);
void MeasureWindow(Handle handle);
void RoundWindowCorners(Handle handle, int radius = 0);
void FadeIn(const Control& window, int steps = 0, int pause = 0);
[[noreturn]] void FadeOutAndExit(const Control& window, int steps = 0, int pause = 0);
void SnapshotLabelBackground(const Control& window, const Control& label);

}  // namespace kestara
