// The slide-up notification popup.
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace kestara {

// Opacity the next rise step applies, blink ticks so far, fade-out progress.
extern int g_popupAlpha;
extern int g_trayBlinkCount;
extern int g_fadeOutStep;

void ShowNotification(const std::string& title = {}, const std::string& content = {},
                      const std::string& link = {}, std::uint32_t textColour = 0, int alignment = 0,
                      const std::string& fontName = {}, int fontSize = 0, int seconds = 0,
                      const Bytes& sound = {});
void PlaceNotification(bool show, int minutes = 0);

// Handlers of the popup's form.
void OnNotificationCreated();
void OnNotificationMouseMoved();
void OnStartDelayTick();   // 时钟2
void OnRiseTick();         // 时钟1
void OnBlinkTick();        // 时钟3
void OnFadeOutTick();      // 时钟4
void OnAutoCloseTick();    // 自动关闭
void OnNotificationCloseClick();       // 关闭
void OnNotificationCloseGlyphClick();  // 图形按钮1
void OnNotificationViewClick();        // 查看
void OnNotificationDropClick();        // 图形按钮3

}  // namespace kestara
