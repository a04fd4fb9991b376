// The cooperative delay: consecutive waits on a timer while the windows
// go on receiving their events.
#include "effects/delay.h"

#include <cstdint>

#include "effects/platform.h"

namespace kestara {
namespace {

struct DelayUnit {
  std::int64_t waits;       // how many waits make the pause
  double ticksPerAmount;    // 100-ns units per amount of one wait
};

// unit 0 ms, 1 µs: one wait of the amount; 2 s, 3 min, 4 h, 5 days: that
// many waits of amount milliseconds each. Other units count milliseconds.
DelayUnit UnitFor(int unit) {
  switch (unit) {
    case 1:
      return {1, 10.0};
    case 2:
      return {1000, 10000.0};
    case 3:
      return {60000, 10000.0};
    case 4:
      return {3600000, 10000.0};
    case 5:
      return {86400000, 10000.0};
    default:
      return {1, 10000.0};
  }
}

}  // namespace

void Delay(int amount, int unit) {
  const DelayUnit delayUnit = UnitFor(unit);
  // Negative: relative to the moment the wait starts.
  const auto dueTime = -static_cast<std::int64_t>(amount * delayUnit.ticksPerAmount);
  if (dueTime >= 0) {
    return;  // every wait would end at once
  }
  for (std::int64_t i = 0; i < delayUnit.waits; ++i) {
    if (!platform::WaitForDueTime(dueTime)) {
      return;  // no wait can be made: end instead of spinning
    }
  }
}

}  // namespace kestara
