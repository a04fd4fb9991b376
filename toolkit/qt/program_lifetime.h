// The end of the program as the window code sees it.
#pragma once

namespace kestara {

// The last window is gone: ends the event loop, or the whole program when
// handlers are still on the stack.
void LastWindowGone();

}  // namespace kestara
