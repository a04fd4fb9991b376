// A pause that keeps the windows alive: events are dispatched while it waits.
#pragma once

namespace kestara {

// unit: 0 ms, 1 µs, 2 s, 3 min, 4 h, 5 days (see delay.cpp).
void Delay(int amount, int unit = 0);

}  // namespace kestara
