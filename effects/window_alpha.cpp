// Whole-window opacity, window measurement and rounded corners.
#include "effects/effects.h"
#include "effects/platform.h"
#include "effects/round_rect_region.h"

namespace kestara {

int g_windowWidth = 0;
int g_windowHeight = 0;

void SetWindowAlpha(const Control& window, int alpha) {
  const Handle handle = WindowHandle(window);
  // Any top-level window takes an opacity; there is no style to add first.
  platform::SetLayeredAlpha(handle, alpha);
}

void MeasureWindow(Handle handle) {
  platform::Rect rect;
  if (platform::GetWindowRect(handle, &rect)) {
    g_windowWidth = rect.right - rect.left;
    g_windowHeight = rect.bottom - rect.top;
  }
}

void RoundWindowCorners(Handle handle, int radius) {
  if (radius == 0) {
    radius = 8;
  }
  MeasureWindow(handle);
  const Region region = CreateRoundRectRegion(0, 0, g_windowWidth, g_windowHeight, radius, radius);
  // The window keeps the region; it is not resized after rounding.
  platform::SetWindowRegion(handle, region);
}

}  // namespace kestara
