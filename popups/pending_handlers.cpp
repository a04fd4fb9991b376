// Handlers that do nothing yet; each is replaced when its popup is built.
#include "popups/message_box.h"
#include "popups/notification.h"

namespace kestara {
Bytes g_alertSound;
void EnsureAlertSound() {}
void ShowMessageBox(const std::string&, const std::string&, int, bool, const Bytes&) {}
void PresentMessageBox() {}
void OnMessageBoxCreated() {}
void OnMessageBoxFirstActivated() {}
void OnMessageBoxTimerTick() {}
void OnMessageBoxOkClick() {}
void OnMessageBoxCloseClick() {}
void ShowNotification(const std::string&, const std::string&, const std::string&, std::uint32_t, int,
                      const std::string&, int, int, const Bytes&) {}
void PlaceNotification(bool, int) {}
void OnNotificationCreated() {}
void OnNotificationMouseMoved() {}
void OnStartDelayTick() {}
void OnRiseTick() {}
void OnBlinkTick() {}
void OnFadeOutTick() {}
void OnAutoCloseTick() {}
void OnNotificationCloseClick() {}
void OnNotificationCloseGlyphClick() {}
void OnNotificationViewClick() {}
void OnNotificationDropClick() {}
}  // namespace kestara
