#pragma once

namespace kestara {

// On the first start in a working directory: leaves the marker file and
// shows the welcome notification.
void GreetOnFirstRun();

}  // namespace kestara
