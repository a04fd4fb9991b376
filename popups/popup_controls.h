// Short names for the two popups and their controls.
#pragma once

#include "toolkit/forms/forms.h"
#include "toolkit/toolkit.h"

namespace kestara {

inline Control PopupWindow() { return WindowOf(kPopup); }
inline Control Popup(const char* name) { return Control{kPopup, name}; }
inline Control BoxWindow() { return WindowOf(kMessageBox); }
inline Control Box(const char* name) { return Control{kMessageBox, name}; }

// A period in whole milliseconds from a count of seconds or minutes,
// truncated toward zero.
inline std::int64_t Milliseconds(double amount, double unit) {
  return static_cast<std::int64_t>(amount * unit);
}

}  // namespace kestara
