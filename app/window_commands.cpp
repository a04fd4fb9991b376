// The home-page link and the fading close.
#include "app/main_controls.h"
#include "app/main_window.h"
#include "effects/effects.h"

namespace kestara {

void OnHomePageClick() {
  OpenLink(Main("超级链接框1"));
}

void OnHomeGlyphClick() {
  OnHomePageClick();
}

void OnCloseClick() {
  FadeOutAndExit(MainWindow());
}

}  // namespace kestara
