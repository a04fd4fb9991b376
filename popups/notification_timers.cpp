// The notification popup's timers: start delay, rise, tray blink, fade-out.
//
// The rise and blink handlers pump events, so the popup may be gone, or
// its rise over, when the pump returns; they stop there rather than add a
// tray icon to a window that no longer exists or that has come to rest.
#include "effects/effects.h"
#include "popups/message_box.h"
#include "popups/notification.h"
#include "popups/popup_controls.h"
#include "toolkit/media.h"
#include "translate/code_page.h"

namespace kestara {
namespace {

std::int64_t PopupTop() { return GetProp(PopupWindow(), Prop::Top).Number(); }

}  // namespace

void OnStartDelayTick() {
  SetProp(Popup("时钟1"), Prop::TimerPeriod, 150);
  SetProp(Popup("时钟2"), Prop::TimerPeriod, 0);
}

void OnRiseTick() {
  PumpEvents();
  if (!IsFormLoaded(kPopup)) return;
  if (PopupTop() == ScreenHeight()) {
    SetProp(Popup("时钟3"), Prop::TimerPeriod, 600);
    EnsureAlertSound();
    PlaySoundBytes(g_alertSound);
  }
  if (PopupTop() - (ScreenHeight() - GetProp(PopupWindow(), Prop::Height).Number()) <= 0.0000001) {
    SetProp(Popup("时钟3"), Prop::TimerPeriod, 0);
    SetProp(Popup("时钟1"), Prop::TimerPeriod, 0);
    SetProp(PopupWindow(), Prop::AlwaysOnTop, true);
    SetTrayIcon(kPopup, Bytes());
  }
  SetProp(PopupWindow(), Prop::Top, PopupTop() - 18);
  SnapshotLabelBackground(PopupWindow(), Popup("标题内容"));
  SetWindowAlpha(PopupWindow(), g_popupAlpha);
  g_popupAlpha = g_popupAlpha + 10;
}

void OnBlinkTick() {
  PumpEvents();
  // The rise may have ended inside the pump, taking the tray icon away:
  // a late blink must not bring it back.
  if (!IsFormLoaded(kPopup) || GetProp(Popup("时钟3"), Prop::TimerPeriod).Number() == 0) return;
  g_trayBlinkCount = g_trayBlinkCount + 1;
  if (g_trayBlinkCount % 2 != 0) {
    SetTrayIcon(kPopup, Media("speaker.ico"), Local("系统消息"));
  } else {
    SetTrayIcon(kPopup, Media("blank.ico"), Local("系统消息"));
  }
}

void OnFadeOutTick() {
  if (g_fadeOutStep > 24) {
    SetWindowAlpha(PopupWindow(), 0);
    SetProp(Popup("时钟4"), Prop::TimerPeriod, 0);
    DestroyForm(kPopup);
    return;
  }
  SetWindowAlpha(PopupWindow(), static_cast<int>(255 - g_fadeOutStep * 10.0));
  g_fadeOutStep = g_fadeOutStep + 2;
}

}  // namespace kestara
