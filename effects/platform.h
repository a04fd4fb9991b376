// What the effects need of the window system, in the shape of the calls
// they were designed around: window rectangles, whole-window opacity,
// window regions and a wait that keeps dispatching events.
#pragma once

#include <cstdint>

#include "effects/round_rect_region.h"
#include "toolkit/toolkit.h"

namespace kestara::platform {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The outer rectangle of the window or control behind the handle, in
// screen coordinates; false when there is no such window.
bool GetWindowRect(Handle handle, Rect* rect);

// Opacity of the top-level window behind the handle, 0 transparent to
// 255 opaque (values outside are clamped).
void SetLayeredAlpha(Handle handle, int alpha);

// Clips the window behind the handle to the region, in its own
// coordinates. The window keeps it until it is set again; false when
// there is no such window.
bool SetWindowRegion(Handle handle, const Region& region);

// Waits until the due time, in 100-nanosecond units, negative counting
// from now, while every event that arrives is dispatched at once. A due
// time of zero or above has passed already. False when no wait could be
// made; a wait never goes on past its due time because of events.
bool WaitForDueTime(std::int64_t dueTime);

}  // namespace kestara::platform
