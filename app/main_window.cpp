// The main window's life: created, first activated, and the clean-up at exit.
#include "app/main_window.h"

#include "app/first_run.h"
#include "app/main_controls.h"
#include "app/welcome_text.h"
#include "effects/effects.h"
#include "popups/message_box.h"

namespace kestara {

void OnMainWindowCreated() {
  SetProp(Main("编辑框1"), Prop::Text, WelcomeText());
  SetWindowAlpha(MainWindow(), 1);
  RoundWindowCorners(WindowHandle(MainWindow()), 12);
  PumpEvents();
}

void OnMainWindowFirstActivated() {
  SnapshotLabelBackground(MainWindow(), Main("标签1"));
  FadeIn(MainWindow());
  // Closed with Esc during the fade: there is nobody left to greet.
  if (!IsFormLoaded(kMainWindow)) return;
  GreetOnFirstRun();
}

void ReleaseAlertSound() {
  Bytes().swap(g_alertSound);
}

}  // namespace kestara
