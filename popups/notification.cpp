// The notification popup: filling, placing, and its buttons.
#include "popups/notification.h"

#include "effects/effects.h"
#include "popups/message_box.h"
#include "popups/popup_controls.h"

namespace kestara {

int g_popupAlpha = 0;
int g_trayBlinkCount = 0;
int g_fadeOutStep = 0;

void ShowNotification(const std::string& title, const std::string& content, const std::string& link,
                      std::uint32_t textColour, int alignment, const std::string& fontName,
                      int fontSize, int seconds, const Bytes& sound) {
  LoadForm(PopupForm(), false);
  if (!title.empty()) SetProp(Popup("标题内容"), Prop::Text, title);
  if (!content.empty()) SetProp(Popup("公告内容"), Prop::Text, content);
  if (!link.empty()) SetProp(Popup("网址"), Prop::LinkTarget, link);
  if (textColour != 0) SetProp(Popup("公告内容"), Prop::TextColor, static_cast<std::int64_t>(textColour));
  if (alignment != 0) SetProp(Popup("公告内容"), Prop::HorizontalAlignment, alignment);
  if (!fontName.empty()) SetProp(Popup("公告内容"), Prop::Font, kFontName, fontName);
  if (fontSize != 0) SetProp(Popup("公告内容"), Prop::Font, kFontSize, fontSize);
  SetProp(Popup("自动关闭"), Prop::TimerPeriod, Milliseconds(seconds, 1000));
  PlaceNotification(true, 0);
  if (!sound.empty()) g_alertSound = sound;
}

void PlaceNotification(bool show, int minutes) {
  SetProp(PopupWindow(), Prop::Left, ScreenWidth() - GetProp(PopupWindow(), Prop::Width).Number());
  SetProp(PopupWindow(), Prop::Top, ScreenHeight());
  if (!show) return;
  RoundWindowCorners(WindowHandle(PopupWindow()), 9);
  SetProp(PopupWindow(), Prop::Visible, true);
  g_popupAlpha = 0;
  SetWindowAlpha(PopupWindow(), 255);
  SetProp(PopupWindow(), Prop::AlwaysOnTop, false);
  SetProp(Popup("时钟2"), Prop::TimerPeriod, minutes != 0 ? Milliseconds(minutes, 60000) : 100);
}

void OnNotificationCreated() {
  SetProp(PopupWindow(), Prop::Visible, false);
  PlaceNotification(true, 0);
}

void OnNotificationMouseMoved() {
  if (GetProp(Popup("时钟4"), Prop::TimerPeriod).Number() == 0) SetWindowAlpha(PopupWindow(), 255);
}

void OnNotificationCloseClick() {
  SetProp(Popup("时钟4"), Prop::TimerPeriod, 100);
}

void OnNotificationCloseGlyphClick() {
  SetProp(Popup("时钟4"), Prop::TimerPeriod, 100);
}

void OnAutoCloseTick() {
  SetProp(Popup("时钟4"), Prop::TimerPeriod, 100);
}

void OnNotificationViewClick() {
  OpenLink(Popup("网址"));
  DestroyForm(kPopup);
}

void OnNotificationDropClick() {
  PumpEvents();
  if (!IsFormLoaded(kPopup)) return;
  SetProp(PopupWindow(), Prop::AlwaysOnTop, false);
  for (int i = 0; i < 50; ++i) {
    SetProp(PopupWindow(), Prop::Top, GetProp(PopupWindow(), Prop::Top).Number() + 10);
  }
  PlaceNotification(true, 0);
}

}  // namespace kestara
