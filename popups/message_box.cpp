// The timed message box.
#include "popups/message_box.h"

#include "effects/effects.h"
#include "popups/popup_controls.h"

namespace kestara {

void ShowMessageBox(const std::string& text, const std::string& title, int seconds, bool modal,
                    const Bytes& sound) {
  LoadForm(MessageBoxForm(), modal);
  if (!title.empty()) SetProp(Box("标题内容"), Prop::Text, title);
  SetProp(Box("信息内容"), Prop::Text, text);
  SetProp(Box("时钟1"), Prop::TimerPeriod, Milliseconds(seconds, 1000));
  if (!sound.empty()) g_alertSound = sound;
  PresentMessageBox();
}

void PresentMessageBox() {
  RoundWindowCorners(WindowHandle(BoxWindow()), 9);
  EnsureAlertSound();
  PlaySoundBytes(g_alertSound);
  // CR can never be the second byte of a GBK character, so a plain byte
  // search is exact here.
  const std::string shown = GetProp(Box("信息内容"), Prop::Text).Text();
  const bool wrap = shown.size() >= 48 || shown.find("\r\n") != std::string::npos;
  SetProp(Box("信息内容"), Prop::WordWrap, wrap);
  SetProp(BoxWindow(), Prop::Visible, true);
}

void OnMessageBoxCreated() {
  SetProp(BoxWindow(), Prop::Visible, false);
}

void OnMessageBoxFirstActivated() {
  SnapshotLabelBackground(BoxWindow(), Box("标题内容"));
  SnapshotLabelBackground(BoxWindow(), Box("信息内容"));
}

void OnMessageBoxTimerTick() {
  DestroyForm(kMessageBox);
}

void OnMessageBoxOkClick() {
  DestroyForm(kMessageBox);
}

void OnMessageBoxCloseClick() {
  DestroyForm(kMessageBox);
}

}  // namespace kestara
