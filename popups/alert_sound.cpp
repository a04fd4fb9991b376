// The alert sound the message box and the notification popup share.
#include "popups/message_box.h"
#include "toolkit/media.h"

namespace kestara {

Bytes g_alertSound;

void EnsureAlertSound() {
  if (g_alertSound.empty()) g_alertSound = Media("alert.wav");
}

}  // namespace kestara
