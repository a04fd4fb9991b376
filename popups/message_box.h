// The timed message box, and the alert sound it shares with the popup.
#pragma once

#include <string>

#include "toolkit/toolkit.h"

namespace kestara {

// The WAV file that the message box and the popup play; empty at start.
extern Bytes g_alertSound;

// Fills g_alertSound with the built-in alert sound when it is empty.
void EnsureAlertSound();

void ShowMessageBox(const std::string& text, const std::string& title = {}, int seconds = 0,
                    bool modal = false, const Bytes& sound = {});
void PresentMessageBox();

// Handlers of the message box's form.
void OnMessageBoxCreated();
void OnMessageBoxFirstActivated();
void OnMessageBoxTimerTick();   // 时钟1
void OnMessageBoxOkClick();     // 图形按钮1
void OnMessageBoxCloseClick();  // 图形按钮2

}  // namespace kestara
